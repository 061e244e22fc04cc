#include "settings/PointerStore.h"

namespace veltrax {

PointerGroup GroupOf(std::string_view name) {
  return name == pointer_value::kScrollLines ? PointerGroup::Desktop : PointerGroup::Mouse;
}

std::string_view GroupName(PointerGroup group) { return group == PointerGroup::Mouse ? "Mouse" : "Desktop"; }

Status RoutedPointerStore::Apply() {
  const Status mouse = mouse_->Apply();
  const Status desktop = desktop_->Apply();
  return mouse ? desktop : mouse;
}

}  // namespace veltrax
