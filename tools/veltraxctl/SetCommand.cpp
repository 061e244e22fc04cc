#include "SetCommand.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "FlowRun.h"
#include "base/FileIo.h"
#include "image/FieldConversions.h"
#include "image/ProfileFile.h"
#include "image/SectionChecks.h"
#include "settings/SettingEdits.h"

namespace veltrax::ctl {
namespace {

bool IsEdit(const std::string& argument) { return argument.find('=') != std::string::npos; }

std::string Joined(const std::vector<std::string>& edits) {
  std::string text;
  for (const std::string& edit : edits) text += (text.empty() ? "" : " ") + edit;
  return text;
}

// Every edit, in order; the first refusal ends the call with nothing stored.
bool ApplyAll(ImageState& state, const std::vector<std::string>& edits, std::ostream& err) {
  for (const std::string& edit : edits) {
    const Status done = ApplySettingEdit(state.controls, state.dataBuf, edit);
    if (!done) {
      err << "veltraxctl: " << done.error().context << "\n";
      err << "veltraxctl: nothing changed\n";
      return false;
    }
  }
  return true;
}

int SetInFile(Session& session, const std::string& file, const std::vector<std::string>& edits, std::ostream& out,
              std::ostream& err) {
  const Result<DeviceImage> image = ReadProfileFile(file);
  if (!image) {
    err << "veltraxctl: " << image.error().context << "\n";
    return 1;
  }
  FlowRun run(session, err);
  ImageState& state = run.flows.State();
  state.workingImage = image.value();
  ImageToDataBuf(state);
  if (!state.repaired.empty()) {
    err << "veltraxctl: " << file << ": " << state.repaired.front()
        << " fails its check; the window would show its built-in defaults. Nothing changed\n";
    return 1;
  }
  DataBufToUI(state.dataBuf, state.controls, run.pages);
  if (!ApplyAll(state, edits, err)) return 1;
  PagesToWorkingImage(state);
  if (Status written = WriteFileAtomically(file, state.workingImage); !written) {
    err << "veltraxctl: " << written.error().context << "\n";
    return 1;
  }
  out << file << ": " << Joined(edits) << "\n";
  return 0;
}

int SetOnMouse(Session& session, const std::vector<std::string>& edits, std::ostream& out, std::ostream& err) {
  if (!session.OpenMouse(err)) return 1;
  FlowRun run(session, err);
  const ReadOutcome read = run.Ran(run.flows.ReadDevInfo()).read;
  if (read != ReadOutcome::Read) {
    ExplainRead(read, err);
    return 1;
  }
  ImageState& state = run.flows.State();
  for (const std::string& section : state.repaired) {
    err << "veltraxctl: note: the mouse's " << section << " failed its check; its built-in defaults go back\n";
  }
  if (!ApplyAll(state, edits, err)) return 1;
  return WriteResult(run.Ran(run.flows.DownloadParameter()).write, Joined(edits), out, err);
}

}  // namespace

int SetCommand(Session& session, const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const bool hasFile = !arguments.empty() && !IsEdit(arguments.front());
  const std::vector<std::string> edits(arguments.begin() + (hasFile ? 1 : 0), arguments.end());
  if (edits.empty()) {
    err << "veltraxctl: set needs at least one NAME=VALUE\n";
    return 2;
  }
  for (const std::string& edit : edits) {
    if (!IsEdit(edit)) {
      err << "veltraxctl: \"" << edit << "\" is no NAME=VALUE; only the first argument may name a file\n";
      return 2;
    }
  }
  return hasFile ? SetInFile(session, arguments.front(), edits, out, err) : SetOnMouse(session, edits, out, err);
}

void AddSetCommand(CLI::App& app, std::function<int(Session&)>& command) {
  auto arguments = std::make_shared<std::vector<std::string>>();
  std::string names;
  for (const std::string& name : SettingNames()) names += "\n  " + name;
  auto* set = app.add_subcommand(
      "set", "Edit settings by name in a profile FILE, or on the mouse without FILE, under the pages' rules");
  set->add_option("ARGS", *arguments, "[FILE] NAME=VALUE...; the names:" + names)->required();
  set->callback([&command, arguments] {
    command = [arguments](Session& s) { return SetCommand(s, *arguments, std::cout, std::cerr); };
  });
}

}  // namespace veltrax::ctl
