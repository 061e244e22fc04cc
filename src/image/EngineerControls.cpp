#include "image/EngineerControls.h"

#include <type_traits>

#include "image/FieldTables.h"

namespace veltrax {
namespace {

std::vector<std::string> Numbers(int from, int to) {
  std::vector<std::string> items;
  for (int i = from; i <= to; ++i) items.push_back(std::to_string(i));
  return items;
}

template <class Table>
std::vector<std::string> Texts(const Table& table) {
  std::vector<std::string> items;
  for (const auto& entry : table) {
    if constexpr (std::is_arithmetic_v<std::decay_t<decltype(entry)>>) {
      items.push_back(std::to_string(entry));
    } else {
      items.emplace_back(entry);
    }
  }
  return items;
}

}  // namespace

EngineerControls::EngineerControls() {
  cb_SensorOri.items = Texts(kSensorCaptions);
  cb_CPIStep.items = Numbers(kMinLevels, kMaxLevels);
  for (Selector& s : cb_CPI) s.items = Texts(kDpiValueTable);
  for (Selector& s : cb_CPIColor) s.items = Texts(kNamedColorNames);
  for (int mode = 1; mode <= 7; ++mode) cb_MCULEDCurrentMode.items.push_back("Mode " + std::to_string(mode));
  cb_KeyMode.items = {"Mode A", "Mode B"};
  cb_FireCount.items = Numbers(kMinShots, kMaxShots);
  cb_AIMKeyValue.items = Texts(kDpiValueTable);
}

}  // namespace veltrax
