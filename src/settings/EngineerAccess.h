#pragma once
// Engineer access: a concealed unlock on the engineer page's banner. Every
// fifth double-click made while locked asks for the access code; the exact
// code (letter case included) unlocks, and the next double-click locks
// again. Nothing of it is kept between runs.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace veltrax {

inline constexpr std::string_view kEngineerAccessCode = "MaltrixQPHWD";

class EngineerAccess {
 public:
  // Asks the user for the code; nothing when cancelled.
  using AskCode = std::function<std::optional<std::string>()>;

  bool Unlocked() const { return unlocked_; }
  // The double-clicks counted while locked; never reset during a run.
  int Counted() const { return counted_; }

  // A double-click on the banner. Returns whether the unlock state changed.
  bool DoubleClick(const AskCode& ask);

 private:
  static constexpr int kClicksPerChance = 5;

  bool unlocked_ = false;
  int counted_ = 0;
};

}  // namespace veltrax
