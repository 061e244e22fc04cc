#include "settings/SettingEdits.h"

#include <charconv>
#include <functional>
#include <optional>

#include "base/AsciiCase.h"
#include "image/FieldTables.h"
#include "keys/KeyPages.h"
#include "settings/DpiLevels.h"
#include "settings/KeyModeOptions.h"
#include "settings/Lighting.h"

namespace veltrax {
namespace {

using Handler = std::function<Status(EngineerControls&, DataBuf&, int n, std::string_view value)>;

struct Setting {
  std::string_view name;  // a trailing ".N" takes a number
  Handler handler;
};

Error Refused(std::string text) { return Error{ErrorKind::BadArgument, std::move(text)}; }

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// "NAME is ALLOWED, not "VALUE"".
Error NotAllowed(std::string_view name, std::string_view allowed, std::string_view value) {
  return Refused(std::string(name) + " is " + std::string(allowed) + ", not " + Quoted(value));
}

std::optional<int> Integer(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<int> InRange(std::string_view text, int low, int high) {
  const auto value = Integer(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

std::optional<bool> OnOffWord(std::string_view text) {
  const std::string word = UpperAscii(text);
  if (word == "ON" || word == "TRUE") return true;
  if (word == "OFF" || word == "FALSE") return false;
  return std::nullopt;
}

std::string DpiList() {
  std::string list;
  for (int dpi : kDpiValueTable) list += (list.empty() ? "" : ", ") + std::to_string(dpi);
  return list;
}

std::optional<int> DpiIndex(std::string_view text) {
  const auto dpi = Integer(text);
  for (int i = 0; dpi && i < static_cast<int>(kDpiValueTable.size()); ++i) {
    if (kDpiValueTable[i] == *dpi) return i;
  }
  return std::nullopt;
}

std::string Numbered(std::string_view name, int n) {
  return std::string(name.substr(0, name.size() - 1)) + std::to_string(n);
}

// Settings of one LED type only.
Status NeedsMcuLed(const EngineerControls& c, std::string_view name) {
  if (ShowsMcuLed(c)) return Success();
  return Refused(std::string(name) + " belongs to the MCU LED; this image has the smart LED");
}

Status NeedsEnabledLevel(const EngineerControls& c, int level) {
  if (LevelEnabled(c, level)) return Success();
  if (level < 1 || level > kDpiLevels) return Refused("the DPI levels are 1 to 7, not " + std::to_string(level));
  return Refused("DPI level " + std::to_string(level) + " is not enabled (" + std::to_string(c.LevelCount) +
                 " levels); set dpi.levels first");
}

Handler OnOffSetting(std::string_view name, std::function<void(EngineerControls&, bool)> set) {
  return [name, set](EngineerControls& c, DataBuf&, int, std::string_view value) -> Status {
    const auto on = OnOffWord(value);
    if (!on) return NotAllowed(name, "on or off", value);
    set(c, *on);
    return Success();
  };
}

// The key pages' option lines toggle a switch method; a setting names its state.
Handler SwitchSetting(std::string_view name, ComboKeyOption option) {
  return OnOffSetting(name, [option](EngineerControls& c, bool on) {
    const bool now = option == ComboKeyOption::MiddleKey ? c.cb_MidPress.checked : c.cb_CPIPress.checked;
    if (now != on) ToggleComboKeyOption(c, option);
  });
}

Handler PairSetting(std::string_view name, OnOff pair) {
  return OnOffSetting(name, [pair](EngineerControls& c, bool on) { ChooseSide(c, pair, on); });
}

Status SetLevels(EngineerControls& c, DataBuf&, int, std::string_view value) {
  const auto count = InRange(value, kMinLevels, kMaxLevels);
  if (!count) return NotAllowed("dpi.levels", "2 to 7", value);
  ChooseLevelCount(c, *count);
  return Success();
}

Status SetLevelValue(EngineerControls& c, DataBuf&, int level, std::string_view value) {
  if (Status enabled = NeedsEnabledLevel(c, level); !enabled) return enabled;
  const auto index = DpiIndex(value);
  if (!index) return NotAllowed(Numbered("dpi.value.N", level), "one of " + DpiList(), value);
  ChooseLevelValue(c, level, *index);
  return Success();
}

Status SetCurrentLevel(EngineerControls& c, DataBuf&, int, std::string_view value) {
  const auto level = InRange(value, 1, c.LevelCount);
  if (!level) return NotAllowed("dpi.current", "a level of 1 to " + std::to_string(c.LevelCount), value);
  ChooseCurrentLevel(c, *level);
  return Success();
}

Status SetAimDpi(EngineerControls& c, DataBuf& dataBuf, int, std::string_view value) {
  const auto index = DpiIndex(value);
  if (!index) return NotAllowed("dpi.aim", "one of " + DpiList(), value);
  if (ChooseAimDpi(c, dataBuf, *index) != AimChoice::Stored) return Refused(std::string(kNoAimKeyMessage));
  return Success();
}

Status SetShots(EngineerControls& c, DataBuf&, int, std::string_view value) {
  const auto shots = InRange(value, kMinShots, kMaxShots);
  if (!shots) return NotAllowed("fireKey.shots", "2 to 127", value);
  FireKeyEdits edits;
  ChooseShots(c, edits, *shots);
  return Success();
}

Status SetInterval(EngineerControls& c, DataBuf&, int, std::string_view value) {
  const auto ms = InRange(value, 0, kMaxIntervalByte * kIntervalUnitMs);
  if (!ms || *ms % kIntervalUnitMs != 0) return NotAllowed("fireKey.intervalMs", "0 to 2040 in steps of 8", value);
  FireKeyEdits edits;
  FireTimeTyped(c, edits, std::to_string(*ms / kIntervalUnitMs));
  return Success();
}

Status SetKeyMode(EngineerControls& c, DataBuf&, int, std::string_view value) {
  const std::string mode = UpperAscii(value);
  if (mode != "A" && mode != "B" && mode != "MODE A" && mode != "MODE B") return NotAllowed("keyMode", "A or B", value);
  ChooseKeyMode(c, mode.back() == 'B');
  return Success();
}

Status SetKeyModeMemory(EngineerControls& c, DataBuf&, int, std::string_view value) {
  const std::string word = UpperAscii(value);
  if (word != "SAVE" && word != "NOSAVE") return NotAllowed("keyModeMemory", "save or nosave", value);
  ChooseKeyModeMemory(c, word == "SAVE");
  return Success();
}

Status SetSensorOrientation(EngineerControls& c, DataBuf&, int, std::string_view value) {
  std::string allowed;
  for (int item = 0; item < static_cast<int>(kSensorCaptions.size()); ++item) {
    const std::string caption(kSensorCaptions[item]);
    const std::string degrees = caption.ends_with("°") ? caption.substr(0, caption.size() - 2) : caption;
    if (UpperAscii(value) == UpperAscii(caption) || value == degrees) {
      ChooseSensorOrientation(c, item);
      return Success();
    }
    allowed += (allowed.empty() ? "" : ", ") + Quoted(caption);
  }
  return NotAllowed("sensorOrientation", "one of " + allowed, value);
}

Status SetBrightness(EngineerControls& c, DataBuf&, int, std::string_view value) {
  const std::string word = UpperAscii(value);
  if (word != "FULL" && word != "HALF") return NotAllowed("lighting.brightness", "full or half", value);
  ChooseSide(c, OnOff::Brightness, word == "FULL");
  return Success();
}

Status SetCurrentMode(EngineerControls& c, DataBuf&, int, std::string_view value) {
  if (Status mcu = NeedsMcuLed(c, "lighting.currentMode"); !mcu) return mcu;
  std::string offered;
  for (int mode = 1; mode <= kLedModes; ++mode) {
    if (ModeOffered(c, mode)) offered += (offered.empty() ? "" : ", ") + std::to_string(mode);
  }
  const auto mode = Integer(value);
  if (!mode || !ChooseCurrentMode(c, *mode)) {
    return NotAllowed("lighting.currentMode", offered.empty() ? "none of the modes (none is offered)"
                                                              : "an offered mode: " + offered, value);
  }
  return Success();
}

Status SetModesOffered(EngineerControls& c, DataBuf&, int, std::string_view value) {
  if (Status mcu = NeedsMcuLed(c, "lighting.modesOffered"); !mcu) return mcu;
  std::array<bool, kLedModes> offered{};
  for (size_t start = 0; start < value.size();) {
    const size_t end = std::min(value.find(',', start), value.size());
    const auto mode = InRange(value.substr(start, end - start), 1, kLedModes);
    if (!mode) return NotAllowed("lighting.modesOffered", "a comma list of modes 1 to 7 (empty for none)", value);
    offered[*mode - 1] = true;
    start = end + 1;
  }
  for (int mode = 1; mode <= kLedModes; ++mode) SetModeOffered(c, mode, offered[mode - 1]);
  return Success();
}

Status SetLedCount(EngineerControls& c, DataBuf&, int, std::string_view value) {
  if (Status mcu = NeedsMcuLed(c, "lighting.ledCount"); !mcu) return mcu;
  const auto count = InRange(value, kMinLedCount, kMaxLedCount);
  if (!count) return NotAllowed("lighting.ledCount", "4 to 13", value);
  LightBars bars;
  ClickLedCountSegment(c, bars, *count - kMinLedCount + 1);
  return Success();
}

Status SetSpeedStep(EngineerControls& c, DataBuf&, int, std::string_view value) {
  if (Status mcu = NeedsMcuLed(c, "lighting.speedStep"); !mcu) return mcu;
  const auto step = InRange(value, 0, kMaxSpeedStep);
  if (!step) return NotAllowed("lighting.speedStep", "0 to 7", value);
  LightBars bars;
  ClickSpeedSegment(c, bars, *step + 1);
  return Success();
}

Status SetBreathing(EngineerControls& c, DataBuf&, int, std::string_view value) {
  if (ShowsMcuLed(c)) return Refused("lighting.breathingMs belongs to the smart LED; this image has the MCU LED");
  const auto ms = InRange(value, 0, kMaxBreathingMs);
  if (!ms) return NotAllowed("lighting.breathingMs", "0 to 255", value);
  BreathingTyped(c, std::to_string(*ms));
  return Success();
}

std::string NamedColorList() {
  std::string list;
  for (std::string_view name : kNamedColorNames) list += (list.empty() ? "" : ", ") + std::string(name);
  return list;
}

Status SetLevelColor(EngineerControls& c, DataBuf&, int level, std::string_view value) {
  if (Status enabled = NeedsEnabledLevel(c, level); !enabled) return enabled;
  const std::string name = Numbered("lighting.levelColor.N", level);
  const auto color = ParseColor(value);
  if (ShowsMcuLed(c)) {
    if (!color) return NotAllowed(name, "#RRGGBB or one of " + NamedColorList(), value);
    ChooseLevelRgb(c, level, *color);
    return Success();
  }
  const auto index = color ? NamedColorIndex(*color) : std::nullopt;
  if (!index) return NotAllowed(name, "a smart LED colour: one of " + NamedColorList() + " (or its #RRGGBB)", value);
  ChooseNamedColor(c, level, *index);
  return Success();
}

Status SetKeyModeColor(EngineerControls& c, DataBuf&, int mode, std::string_view value) {
  if (mode != 1 && mode != 2) return Refused("lighting.keyModeColor.N takes key mode 1 or 2");
  const auto color = ParseColor(value);
  if (!color) {
    return NotAllowed(Numbered("lighting.keyModeColor.N", mode), "#RRGGBB or one of " + NamedColorList(), value);
  }
  ChooseKeyModeColor(c, mode, *color);
  return Success();
}

const std::vector<Setting>& Settings() {
  static const std::vector<Setting> settings{
      {"dpi.levels", SetLevels},
      {"dpi.value.N", SetLevelValue},
      {"dpi.current", SetCurrentLevel},
      {"dpi.aim", SetAimDpi},
      {"fireKey.shots", SetShots},
      {"fireKey.intervalMs", SetInterval},
      {"keyMode", SetKeyMode},
      {"keyModeMemory", SetKeyModeMemory},
      {"keyModeSwitch.middleKey", SwitchSetting("keyModeSwitch.middleKey", ComboKeyOption::MiddleKey)},
      {"keyModeSwitch.cpiKey", SwitchSetting("keyModeSwitch.cpiKey", ComboKeyOption::CpiKey)},
      {"sensorOrientation", SetSensorOrientation},
      {"lighting.on", PairSetting("lighting.on", OnOff::Lights)},
      {"lighting.middleCpiSwitch", PairSetting("lighting.middleCpiSwitch", OnOff::MiddleCpiSwitch)},
      {"lighting.leftCpiSwitch", PairSetting("lighting.leftCpiSwitch", OnOff::LeftCpiSwitch)},
      {"lighting.brightness", SetBrightness},
      {"lighting.currentMode", SetCurrentMode},
      {"lighting.modesOffered", SetModesOffered},
      {"lighting.ledCount", SetLedCount},
      {"lighting.speedStep", SetSpeedStep},
      {"lighting.breathingMs", SetBreathing},
      {"lighting.levelColor.N", SetLevelColor},
      {"lighting.keyModeColor.N", SetKeyModeColor},
  };
  return settings;
}

// The setting a name stands for, with the number after a ".N" name.
std::optional<std::pair<const Setting*, int>> Find(std::string_view name) {
  for (const Setting& s : Settings()) {
    if (!s.name.ends_with(".N")) {
      if (name == s.name) return std::pair{&s, 0};
      continue;
    }
    const std::string_view prefix = s.name.substr(0, s.name.size() - 1);
    if (!name.starts_with(prefix)) continue;
    if (const auto n = Integer(name.substr(prefix.size()))) return std::pair{&s, *n};
  }
  return std::nullopt;
}

std::string NameList() {
  std::string list;
  for (const std::string& name : SettingNames()) list += (list.empty() ? "" : ", ") + name;
  return list;
}

}  // namespace

Status ApplySettingEdit(EngineerControls& c, DataBuf& dataBuf, std::string_view assignment) {
  const size_t equals = assignment.find('=');
  if (equals == std::string_view::npos) return Refused(Quoted(assignment) + " is no NAME=VALUE");
  const std::string_view name = assignment.substr(0, equals);
  const auto setting = Find(name);
  if (!setting) return Refused("no setting is called " + Quoted(name) + "; the settings are " + NameList());
  return setting->first->handler(c, dataBuf, setting->second, assignment.substr(equals + 1));
}

const std::vector<std::string>& SettingNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (const Setting& s : Settings()) list.emplace_back(s.name);
    return list;
  }();
  return names;
}

}  // namespace veltrax
