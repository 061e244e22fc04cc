#include "ImageCommands.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "KeyCommands.h"
#include "base/FileIo.h"
#include "image/DefaultImages.h"
#include "image/FieldConversions.h"
#include "image/FieldTables.h"
#include "image/ImageFlows.h"
#include "image/ProfileFile.h"
#include "image/SectionChecks.h"
#include "resources/Resources.h"

namespace veltrax::ctl {
namespace {

constexpr int kEnglish = 1;
constexpr int kIntervalUnitMs = 8;

// The window's part in the flows, for a shell: files come from the command
// line, messages go to stderr, transfers show progress on a terminal.
class CliHost final : public FlowHost {
 public:
  explicit CliHost(std::ostream& err) : err_(err), progress_(::isatty(STDERR_FILENO)) {}
  ~CliHost() override { ClearProgress(); }

  std::optional<std::filesystem::path> file;

  std::optional<std::filesystem::path> ChooseSaveFile() override { return file; }
  std::optional<std::filesystem::path> ChooseOpenFile() override { return file; }
  void ShowMessage(const Message& message) override {
    ClearProgress();
    std::string text = message.text;
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    err_ << "veltraxctl: " << text << "\n";
  }
  void ChunkDone(int done, int total) override {
    if (progress_) err_ << "\r" << done << "/" << total << std::flush;
  }

 private:
  void ClearProgress() {
    if (progress_) err_ << "\r\033[K" << std::flush;
  }
  std::ostream& err_;
  bool progress_;
};

// Flows over the session's link with English texts and the built-in options.
struct FlowRun {
  FlowRun(Session& session, std::ostream& err)
      : host(err), texts(LoadLanguageTable(kEnglish)), flows(session.Link(), sleeper, host, texts) {
    auto options = LoadGlobalOptions();
    if (options) flows.SetReserveIds(options.value().revManuId, options.value().revProId);
  }
  CliHost host;
  RealSleeper sleeper;
  LanguageTable texts;
  ImageFlows flows;
};

// Why ReadDevInfo did not read, for the outcomes that printed nothing.
void ExplainRead(ReadOutcome outcome, std::ostream& err) {
  switch (outcome) {
    case ReadOutcome::NoAnswer: err << "veltraxctl: the mouse does not answer\n"; break;
    case ReadOutcome::NoMarker: err << "veltraxctl: the device answered without the VELTRAX identity marker\n"; break;
    case ReadOutcome::WrongModel: err << "veltraxctl: the mouse is not a served model\n"; break;
    case ReadOutcome::ReadFailed:
      err << "veltraxctl: the mouse refused the read or left a chunk unanswered twice\n";
      break;
    case ReadOutcome::IdentityRejected:
    case ReadOutcome::Read: break;
  }
}

int WriteResult(WriteOutcome outcome, const std::string& what, std::ostream& out, std::ostream& err) {
  switch (outcome) {
    case WriteOutcome::Verified: out << what << " written to the mouse and verified\n"; return 0;
    case WriteOutcome::GateFailed: err << "veltraxctl: the mouse refused the transaction; nothing written\n"; break;
    case WriteOutcome::Unverified: err << "veltraxctl: the mouse does not hold " << what << "\n"; break;
    case WriteOutcome::NoDevice: break;
  }
  return 1;
}

nlohmann::json DpiOrNull(int index) {
  if (index < 0 || index >= static_cast<int>(kDpiValueTable.size())) return nullptr;
  return kDpiValueTable[index];
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
        {"intervalMs", state.dataBuf.At(0x0F8) * kIntervalUnitMs}}},
      {"keyMode", SelectedText(c.cb_KeyMode)},
      {"keyModeMemory", c.rb_Save.checked ? "Save" : "No Save"},
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
      << " ms\n";
  out << "key mode:            " << d["keyMode"].get<std::string>() << " ("
      << d["keyModeMemory"].get<std::string>() << ")\n";
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
  run.host.file = file;
  const ProfileOutcome outcome = run.flows.Btn_Save_0Click();
  if (outcome != ProfileOutcome::Saved) {
    if (outcome == ProfileOutcome::ReadFailed) ExplainRead(run.flows.LastReadOutcome(), err);
    err << "veltraxctl: " << file << " not written\n";
    return 1;
  }
  out << "read " << kImageSize << " bytes into " << ProfileTarget(file).string() << "\n";
  return 0;
}

int WriteCommand(Session& session, const std::string& file, std::ostream& out, std::ostream& err) {
  if (!session.OpenMouse(err)) return 1;
  FlowRun run(session, err);
  run.host.file = file;
  switch (run.flows.Btn_Load_0Click()) {
    case ProfileOutcome::Verified: out << file << " written to the mouse and verified\n"; return 0;
    case ProfileOutcome::Unverified: err << "veltraxctl: the mouse does not hold " << file << "\n"; return 1;
    default: return 1;
  }
}

int ResetCommand(Session& session, int n, std::ostream& out, std::ostream& err) {
  if (!session.OpenMouse(err)) return 1;
  FlowRun run(session, err);
  return WriteResult(run.flows.DefaultParameter(n), "default image " + std::to_string(n), out, err);
}

int ShowCommand(Session& session, const std::string& file, bool json, int language, std::ostream& out,
                std::ostream& err) {
  std::unique_ptr<FlowRun> run;
  if (file.empty()) {
    if (!session.OpenMouse(err)) return 1;
    run = std::make_unique<FlowRun>(session, err);
    const ReadOutcome read = run->flows.ReadDevInfo();
    if (read != ReadOutcome::Read) {
      ExplainRead(read, err);
      return 1;
    }
  } else {
    auto bytes = ReadWholeFile(file);
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
    DataBufToUI(state.dataBuf, state.controls, run->host);
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
  reset->add_option("N", *number, "Which default image")->required()->check(CLI::Range(1, kDefaultImageCount));
  reset->callback([&command, number] {
    command = [number](Session& s) { return ResetCommand(s, *number, std::cout, std::cerr); };
  });

  auto* show = app.add_subcommand("show", "Show the settings of a profile FILE, or of the mouse without FILE");
  show->add_option("FILE", *file, "A 2048-byte image file");
  show->add_flag("--json", *json, "Print one JSON object (schema in the README)");
  auto language = std::make_shared<int>(1);
  show->add_option("--lang", *language, "Language of the button names: 1 English, 2 Chinese, 3 English (variant)")
      ->check(CLI::Range(1, 3));
  show->callback([&command, file, json, language] {
    command = [file, json, language](Session& s) {
      return ShowCommand(s, *file, *json, *language, std::cout, std::cerr);
    };
  });
}

}  // namespace veltrax::ctl
