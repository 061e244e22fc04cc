#include "keys/FunctionEntries.h"

namespace veltrax {
namespace {

using namespace key_type;

constexpr FunctionEntry kEntries[] = {
    {900, "Key_Left", {kMouseButton, 0x01, 0x00}, "Str210"},
    {901, "Key_Right", {kMouseButton, 0x02, 0x00}, "Str211"},
    {902, "Key_Middle", {kMouseButton, 0x04, 0x00}, "Str212"},
    {903, "Key_B4", {kMouseButton, 0x08, 0x00}, "Str213"},
    {904, "Key_B5", {kMouseButton, 0x10, 0x00}, "Str214"},
    {1000, "Key_Fire", kFireKeyCode, "Str220"},
    {1001, "Key_LEDSwitch", {kLedSwitch, 0x00, 0x00}, "Str221"},
    {1002, "Key_AIMKey", {kAimKey, 0x00, 0x00}, "Str222"},
    {1003, "", {kUnnamed, 0x00, 0x00}, "Str223"},
    {1004, "Key_KeyOff", {kKeyOff, 0x00, 0x00}, "Str224"},
    {1005, "Key_KeyMode", {kKeyModeSwitch, 0x00, 0x00}, "Str225"},
    {1006, "Key_LEDMode", {kLedModeSwitch, 0x00, 0x00}, "Str226"},
    {2000, "Key_CPI", {kDpiLoop, 0x00, 0x00}, "Str231"},
    {2001, "Key_CPII", {kDpiUp, 0x00, 0x00}, "Str232"},
    {2002, "Key_CPID", {kDpiDown, 0x00, 0x00}, "Str233"},
    {1300, "Key_PlayPause", {kConsumer, 0x00, 0xCD}, "Str250"},
    {1301, "Key_Stop", {kConsumer, 0x00, 0xB7}, "Str251"},
    {1302, "Key_PreviousTrack", {kConsumer, 0x00, 0xB6}, "Str252"},
    {1303, "Key_NextTrack", {kConsumer, 0x00, 0xB5}, "Str253"},
    {1304, "Key_VolumePlus", {kConsumer, 0x00, 0xE9}, "Str254"},
    {1305, "Key_VolumeMinus", {kConsumer, 0x00, 0xEA}, "Str255"},
    {1306, "Key_Mute", {kConsumer, 0x00, 0xE2}, "Str256"},
    {1400, "Key_WWWHome", {kConsumer, 0x02, 0x23}, "Str260"},
    {1401, "Key_WWWSearch", {kConsumer, 0x02, 0x21}, "Str261"},
    {1402, "Key_WWWBack", {kConsumer, 0x02, 0x24}, "Str262"},
    {1403, "Key_WWWForward", {kConsumer, 0x02, 0x25}, "Str263"},
    {1404, "Key_WWWStop", {kConsumer, 0x02, 0x26}, "Str264"},
    {1405, "Key_WWWRefresh", {kConsumer, 0x02, 0x27}, "Str265"},
    {1406, "Key_WWWFavorites", {kConsumer, 0x02, 0x2A}, "Str266"},
    {1100, "Key_Computer", {kConsumer, 0x01, 0x94}, "Str240"},
    {1101, "Key_Calculator", {kConsumer, 0x01, 0x92}, "Str241"},
    {1102, "Key_EMail", {kConsumer, 0x01, 0x8A}, "Str242"},
    // Win+D
    {1103, "Key_Desktop", {kCombination, modifier_bit::kWin, 0x07}, "Str243"},
};

}  // namespace

std::span<const FunctionEntry> FunctionEntries() { return kEntries; }

const FunctionEntry* FindFunctionEntry(int entryId) {
  for (const FunctionEntry& entry : kEntries) {
    if (entry.entryId == entryId) return &entry;
  }
  return nullptr;
}

std::optional<KeyFunctionCode> EntryCode(int entryId, uint8_t aimDpiIndex) {
  const FunctionEntry* entry = FindFunctionEntry(entryId);
  if (entry == nullptr) return std::nullopt;
  KeyFunctionCode code = entry->code;
  if (entryId == entry_id::kAimKey) code.data1 = aimDpiIndex;
  return code;
}

std::string MenuEntryCode(int entryId, uint8_t aimDpiIndex) {
  auto code = EntryCode(entryId, aimDpiIndex);
  return code ? CodeText(*code) : std::string();
}

}  // namespace veltrax
