#pragma once
// The image flows run from a shell, on the caller's thread: the window's
// part in them played by a side that takes files from the command line,
// prints messages on stderr and shows transfer progress on a terminal.

#include <iosfwd>
#include <optional>
#include <string>

#include "Session.h"
#include "device/Sleeper.h"
#include "image/ImageFlows.h"
#include "resources/LanguageTable.h"

namespace veltrax::ctl {

class CliSide final : public FlowDialogs, public TransferProgress {
 public:
  explicit CliSide(std::ostream& err);
  ~CliSide() override;

  std::optional<std::filesystem::path> file;

  std::optional<std::filesystem::path> ChooseSaveFile() override { return file; }
  std::optional<std::filesystem::path> ChooseOpenFile() override { return file; }
  void ShowMessage(const Message& message) override;
  void ChunkDone(int done, int total) override;

 private:
  void ClearProgress();
  std::ostream& err_;
  bool progress_;
};

// Flows over the session's link with English texts and the built-in options.
struct FlowRun {
  FlowRun(Session& session, std::ostream& err);
  ~FlowRun();

  // How a flow just started ended: the inline runner ran it whole. A flow
  // that did not start reads as one that found no mouse.
  FlowResult Ran(bool started) const { return started ? flows.LastResult() : FlowResult{}; }

  DeviceLink& link;
  CliSide side;
  FlowPages pages;
  RealSleeper sleeper;
  InlineRunner runner;
  LanguageTable texts;
  ImageFlows flows;
};

// Why ReadDevInfo did not read, for the outcomes that printed nothing.
void ExplainRead(ReadOutcome outcome, std::ostream& err);
// The exit status of a write, with what was written or why not.
int WriteResult(WriteOutcome outcome, const std::string& what, std::ostream& out, std::ostream& err);

}  // namespace veltrax::ctl
