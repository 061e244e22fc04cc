#include "settings/EngineerAccess.h"

namespace veltrax {

bool EngineerAccess::DoubleClick(const AskCode& ask) {
  if (unlocked_) {
    unlocked_ = false;
    return true;
  }
  ++counted_;
  if (counted_ % kClicksPerChance != 0) return false;
  const std::optional<std::string> code = ask();
  unlocked_ = code && *code == kEngineerAccessCode;
  return unlocked_;
}

}  // namespace veltrax
