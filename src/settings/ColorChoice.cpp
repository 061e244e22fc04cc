#include "settings/ColorChoice.h"

#include "settings/Lighting.h"

namespace veltrax {

void ColorChoice::Mark(int swatch) {
  if (NamedColor(swatch - 1)) chosen_ = swatch - 1;
}

bool ColorChoice::Confirm(EngineerControls& c) const {
  return chosen_ != kNone && ChooseNamedColor(c, targetLevel_, chosen_);
}

}  // namespace veltrax
