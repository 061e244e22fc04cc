#include "ImageCommands.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "FlowRun.h"
#include "KeyCommands.h"
#include "base/FileIo.h"
#include "image/DefaultImages.h"
#include "image/FieldConversions.h"
#include "image/FieldTables.h"
#include "image/ImageFlows.h"
#include "image/ProfileFile.h"
#include "image/SectionChecks.h"
#include "resources/BuiltInTexts.h"
#include "settings/KeyModeOptions.h"
#include "settings/Lighting.h"

namespace veltrax::ctl {
namespace {

nlohmann::json DpiOrNull(int index) {
  if (index < 0 || index >= static_cast<int>(kDpiValueTable.size())) return nullptr;
  return kDpiValueTable[index];
}

nlohmann::json ColorOrNull(const std::optional<RgbColor>& color) {
  return color ? nlohmann::json(HexText(*color)) : nlohmann::json(nullptr);
}

RgbColor ColorAt(const DataBuf& buf, uint16_t address) {
  return {buf.At(address), buf.At(static_cast<uint16_t>(address + 1)), buf.At(static_cast<uint16_t>(address + 2))};
}

// The lighting as the image holds it; colours as the level swatches show them.
nlohmann::json DescribeLighting(const ImageState& state) {
  const EngineerControls& c = state.controls;
  const DataBuf& buf = state.dataBuf;
  const bool smart = !ShowsMcuLed(c);
  const uint8_t ledCountCode = buf.At(0x003) >> 4;
  const int mode = buf.At(0x032) & 0x07;
  nlohmann::json modes = nlohmann::json::array();
  for (int n = 1; n <= kLedModes; ++n) {
    if ((buf.At(0x004) >> n) & 1) modes.push_back(n);
  }
  nlohmann::json levelColors = nlohmann::json::array();
  for (int n = 0; n < kDpiLevels; ++n) {
    levelColors.push_back(smart ? ColorOrNull(NamedColor(buf.At(static_cast<uint16_t>(0x00D + n))))
                                : ColorOrNull(ColorAt(buf, static_cast<uint16_t>(0x01A + 3 * n))));
  }
  return {
      {"on", FirstSideChosen(c, OnOff::Lights)},
      {"middleCpiSwitch", FirstSideChosen(c, OnOff::MiddleCpiSwitch)},
      {"leftCpiSwitch", FirstSideChosen(c, OnOff::LeftCpiSwitch)},
      {"brightness", FirstSideChosen(c, OnOff::Brightness) ? "full" : "half"},
      {"modesOffered", modes},
      {"currentMode", mode >= 1 ? nlohmann::json(mode) : nullptr},
      {"ledCount", ledCountCode <= 9 ? nlohmann::json(kMaxLedCount - ledCountCode) : nullptr},
      {"speedStep", buf.At(0x032) >> 5},
      {"breathingMs", buf.At(0x005)},
      {"levelColors", levelColors},
      {"keyModeColors", {HexText(ColorAt(buf, 0x014)), HexText(ColorAt(buf, 0x017))}},
  };
}

std::string SelectedText(const Selector& s) { return s.itemIndex >= 0 ? s.items[s.itemIndex] : std::string(); }

nlohmann::json Describe(const ImageState& state, int language) {
  const EngineerControls& c = state.controls;
  DeviceImage shown = state.workingImage;  // with the repaired sections the pages show
  for (const Section& s : kParameterSections) CopySectionToImage(state.dataBuf, s, shown);
  const std::array<std::string, 18> names = ButtonNames(shown, language);

  nlohmann::json values = nlohmann::json::array();
  for (const Selector& s : c.cb_CPI) values.push_back(DpiOrNull(s.itemIndex));
  nlohmann::json buttons;
  for (int p = 0; p < 2; ++p) {
    nlohmann::json list = nlohmann::json::array();
    for (int n = 0; n < kButtonsPerProfile; ++n) {
      list.push_back({{"code", c.codeTexts[p * kButtonsPerProfile + n]}, {"name", names[p * kButtonsPerProfile + n]}});
    }
    buttons[p == 0 ? "A" : "B"] = list;
  }
  const int shots = c.cb_FireCount.itemIndex >= 0 ? c.cb_FireCount.itemIndex + kMinShots : -1;
  return {
      {"ledType", c.rb_NorLED.checked ? "Nor LED" : "MCU LED"},
      {"dpi",
       {{"levels", c.LevelCount},
        {"values", values},
        {"current", c.cb_CurrentCPI.itemIndex >= 0 ? nlohmann::json(c.cb_CurrentCPI.itemIndex + 1) : nullptr},
        {"aim", HasAimKeyButton(state.dataBuf) ? DpiOrNull(c.AimDpiIndex) : nullptr}}},
      {"buttons", buttons},
      {"fireKey",
       {{"shots", shots > 0 ? nlohmann::json(shots) : nullptr},
        {"intervalMs", state.dataBuf.At(0x0F8) * kIntervalUnitMs},
        {"trigger", c.rb_FireFnOn.checked ? "Fn+Left Key" : "Left Key"}}},
      {"keyMode", SelectedText(c.cb_KeyMode)},
      {"keyModeMemory", c.rb_Save.checked ? "Save" : "No Save"},
      {"keyModeSwitch",
       {{"middleKey", c.cb_MidPress.checked}, {"cpiKey", c.cb_CPIPress.checked}}},
      {"lighting", DescribeLighting(state)},
      {"sensorOrientation", SelectedText(c.cb_SensorOri)},
      {"vendorCode", state.dataBuf.At(kIdentityAddress)},
      {"productCode", state.dataBuf.At(kIdentityAddress + 1)},
      {"repaired", state.repaired},
  };
}

std::string OrNone(const nlohmann::json& v) { return v.is_null() ? "none" : v.dump(); }

void PrintText(const nlohmann::json& d, std::ostream& out) {
  out << "LED type:            " << d["ledType"].get<std::string>() << "\n";
  out << "DPI levels:          " << d["dpi"]["levels"] << "\n";
  out << "DPI values:         ";
  for (const auto& v : d["dpi"]["values"]) out << " " << OrNone(v);
  out << "\n";
  out << "current level:       " << OrNone(d["dpi"]["current"]) << "\n";
  out << "AIM key DPI:         " << OrNone(d["dpi"]["aim"]) << "\n";
  for (const char* profile : {"A", "B"}) {
    out << "Mode " << profile << " buttons:\n";
    int n = 1;
    for (const auto& b : d["buttons"][profile]) {
      out << "  " << n++ << "  " << b["code"].get<std::string>() << "  " << b["name"].get<std::string>() << "\n";
    }
  }
  out << "fire key:            " << OrNone(d["fireKey"]["shots"]) << " shots every " << d["fireKey"]["intervalMs"]
      << " ms, on " << d["fireKey"]["trigger"].get<std::string>() << "\n";
  out << "key mode:            " << d["keyMode"].get<std::string>() << " ("
      << d["keyModeMemory"].get<std::string>() << ")\n";
  const nlohmann::json& sw = d["keyModeSwitch"];
  out << "key mode switch:     middle key " << (sw["middleKey"].get<bool>() ? "on" : "off") << ", CPI key "
      << (sw["cpiKey"].get<bool>() ? "on" : "off") << "\n";
  const nlohmann::json& l = d["lighting"];
  auto onOff = [](const nlohmann::json& v) { return v.get<bool>() ? "on" : "off"; };
  out << "lights:              " << onOff(l["on"]) << ", " << l["brightness"].get<std::string>()
      << " brightness; M+CPI switch " << onOff(l["middleCpiSwitch"]) << ", L+CPI switch "
      << onOff(l["leftCpiSwitch"]) << "\n";
  out << "LED modes offered:  ";
  for (const auto& m : l["modesOffered"]) out << " " << m;
  out << "; current " << OrNone(l["currentMode"]) << "\n";
  out << "LED count, speed:    " << OrNone(l["ledCount"]) << " LEDs, step " << l["speedStep"] << "; breathing "
      << l["breathingMs"] << " ms\n";
  out << "level colours:      ";
  for (const auto& color : l["levelColors"]) out << " " << (color.is_null() ? "none" : color.get<std::string>());
  out << "\n";
  out << "key mode colours:    " << l["keyModeColors"][0].get<std::string>() << " "
      << l["keyModeColors"][1].get<std::string>() << "\n";
  out << "sensor orientation:  " << d["sensorOrientation"].get<std::string>() << "\n";
  out << "vendor/product code: " << d["vendorCode"] << " " << d["productCode"] << "\n";
  if (!d["repaired"].empty()) {
    out << "repaired (built-in defaults shown):";
    for (const auto& name : d["repaired"]) out << " " << name.get<std::string>();
    out << "\n";
  }
}

}  // namespace

int ImageReadCommand(Session& session, const std::string& file, std::ostream& out, std::ostream& err) {
  if (!session.OpenMouse(err)) return 1;
  FlowRun run(session, err);
  run.side.file = file;
  const FlowResult result = run.Ran(run.flows.Start(DeviceFlow::SaveProfile));
  if (result.profile != ProfileOutcome::Saved) {
    if (result.profile == ProfileOutcome::ReadFailed) ExplainRead(result.read, err);
    err << "veltraxctl: " << file << " not written\n";
    return 1;
  }
  out << "read " << kImageSize << " bytes into " << ProfileTarget(file).string() << "\n";
  return 0;
}

int WriteCommand(Session& session, const std::string& file, std::ostream& out, std::ostream& err) {
  if (!session.OpenMouse(err)) return 1;
  FlowRun run(session, err);
  run.side.file = file;
  const FlowResult result = run.Ran(run.flows.Start(DeviceFlow::LoadProfile));
  switch (result.profile) {
    case ProfileOutcome::Verified:
    case ProfileOutcome::Unverified: return WriteResult(result.write, file, out, err);
    default: return 1;
  }
}

int ResetCommand(Session& session, int n, std::ostream& out, std::ostream& err) {
  if (!session.OpenMouse(err)) return 1;
  FlowRun run(session, err);
  return WriteResult(run.Ran(run.flows.DefaultParameter(n)).write, "default image " + std::to_string(n), out, err);
}

int ShowCommand(Session& session, const std::string& file, bool json, int language, std::ostream& out,
                std::ostream& err) {
  std::unique_ptr<FlowRun> run;
  if (file.empty()) {
    if (!session.OpenMouse(err)) return 1;
    run = std::make_unique<FlowRun>(session, err);
    const ReadOutcome read = run->Ran(run->flows.ReadDevInfo()).read;
    if (read != ReadOutcome::Read) {
      ExplainRead(read, err);
      return 1;
    }
  } else {
    auto bytes = ReadWholeFile(file, kImageSize);
    if (!bytes) {
      err << "veltraxctl: " << bytes.error().context << "\n";
      return 1;
    }
    if (bytes.value().size() != kImageSize) {
      err << "veltraxctl: " << file << " is " << bytes.value().size() << " bytes, not a 2048-byte image\n";
      return 1;
    }
    if (bytes.value()[kTypeMarkerAddress] != kTypeMarker) {
      err << "veltraxctl: note: " << file << " lacks the profile type marker; the window would not load it\n";
    }
    run = std::make_unique<FlowRun>(session, err);
    ImageState& state = run->flows.State();
    std::copy(bytes.value().begin(), bytes.value().end(), state.workingImage.begin());
    ImageToDataBuf(state);
    DataBufToUI(state.dataBuf, state.controls, run->pages);
  }
  const nlohmann::json description = Describe(run->flows.State(), language);
  if (json) {
    out << description.dump(2) << "\n";
  } else {
    PrintText(description, out);
  }
  return 0;
}

void AddImageCommands(CLI::App& app, std::function<int(Session&)>& command) {
  // The options live as long as the app, which outlives the chosen command.
  auto file = std::make_shared<std::string>();
  auto number = std::make_shared<int>(1);
  auto json = std::make_shared<bool>(false);

  auto* read = app.add_subcommand("read", "Read the mouse's configuration into a profile FILE (\".bin\" added if missing)");
  read->add_option("FILE", *file, "The profile file to write")->required();
  read->callback([&command, file] {
    command = [file](Session& s) { return ImageReadCommand(s, *file, std::cout, std::cerr); };
  });

  auto* write = app.add_subcommand("write", "Write a profile FILE to the mouse and verify it");
  write->add_option("FILE", *file, "A 2048-byte profile file")->required();
  write->callback([&command, file] {
    command = [file](Session& s) { return WriteCommand(s, *file, std::cout, std::cerr); };
  });

  auto* reset = app.add_subcommand("reset", "Restore default image N (1 to 3) to the mouse");
  reset->add_option("N", *number, "Which default image")->required()->check(CLI::Range(1, kDefaultImageCount).description(""));
  reset->callback([&command, number] {
    command = [number](Session& s) { return ResetCommand(s, *number, std::cout, std::cerr); };
  });

  auto* show = app.add_subcommand("show", "Show the settings of a profile FILE, or of the mouse without FILE");
  show->add_option("FILE", *file, "A 2048-byte image file");
  show->add_flag("--json", *json, "Print one JSON object (schema in the README)");
  auto language = std::make_shared<int>(1);
  show->add_option("--lang", *language, "Language of the button names: 1 English, 2 Chinese, 3 English (variant)")
      ->type_name("N")
      ->check(CLI::Range(1, 3).description(""));
  show->callback([&command, file, json, language] {
    command = [file, json, language](Session& s) {
      return ShowCommand(s, *file, *json, *language, std::cout, std::cerr);
    };
  });
}

}  // namespace veltrax::ctl
