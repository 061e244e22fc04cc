#pragma once
// The colour choice dialog of the smart LED levels: seven named colour
// swatches, at most one marked; Confirm gives the target level the marked
// colour, Cancel unmarks all and keeps the dialog open.

#include "image/EngineerControls.h"

namespace veltrax {

class ColorChoice {
 public:
  static constexpr int kNone = 255;

  explicit ColorChoice(int targetLevel) : targetLevel_(targetLevel) {}

  int TargetLevel() const { return targetLevel_; }
  // The marked colour index 0 to 6, or kNone.
  int Chosen() const { return chosen_; }
  bool Marked(int swatch) const { return chosen_ == swatch - 1; }

  // Swatch 1 to 7 clicked: marks it alone.
  void Mark(int swatch);
  // The second button: nothing marked.
  void Clear() { chosen_ = kNone; }
  // The target level's named colour becomes the marked one; with none
  // marked nothing changes. Returns whether it changed anything.
  bool Confirm(EngineerControls& c) const;

 private:
  int targetLevel_;
  int chosen_ = kNone;
};

}  // namespace veltrax
