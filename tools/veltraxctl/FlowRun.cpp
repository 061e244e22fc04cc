#include "FlowRun.h"

#include <unistd.h>

#include <ostream>

#include "resources/GlobalOptions.h"
#include "resources/BuiltInTexts.h"

namespace veltrax::ctl {
namespace {


}  // namespace

CliSide::CliSide(std::ostream& err) : err_(err), progress_(::isatty(STDERR_FILENO)) {}

CliSide::~CliSide() { ClearProgress(); }

void CliSide::ShowMessage(const Message& message) {
  ClearProgress();
  std::string text = message.text;
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
  err_ << "veltraxctl: " << text << "\n";
}

void CliSide::ChunkDone(int done, int total) {
  if (progress_) err_ << "\r" << done << "/" << total << std::flush;
}

void CliSide::ClearProgress() {
  if (progress_) err_ << "\r\033[K" << std::flush;
}

FlowRun::FlowRun(Session& session, std::ostream& err)
    : link(session.Link()),
      side(err),
      runner(link, sleeper),
      texts(LoadLanguageTable(kEnglish)),
      flows(runner, pages, side, texts) {
  link.SetProgress(&side);
  auto options = LoadGlobalOptions();
  if (options) flows.SetReserveIds(options.value().revManuId, options.value().revProId);
}

FlowRun::~FlowRun() { link.SetProgress(nullptr); }

void ExplainRead(ReadOutcome outcome, std::ostream& err) {
  switch (outcome) {
    case ReadOutcome::NoAnswer: err << "veltraxctl: the mouse does not answer\n"; break;
    case ReadOutcome::NoMarker: err << "veltraxctl: the device answered without the VELTRAX identity marker\n"; break;
    case ReadOutcome::WrongModel: err << "veltraxctl: the mouse is not a served model\n"; break;
    case ReadOutcome::ReadFailed:
      err << "veltraxctl: the mouse refused the read or left a chunk unanswered twice\n";
      break;
    case ReadOutcome::Unplugged: err << "veltraxctl: the mouse was unplugged during the read\n"; break;
    case ReadOutcome::IdentityRejected:
    case ReadOutcome::Read: break;
  }
}

int WriteResult(WriteOutcome outcome, const std::string& what, std::ostream& out, std::ostream& err) {
  switch (outcome) {
    case WriteOutcome::Verified: out << what << " written to the mouse and verified\n"; return 0;
    case WriteOutcome::GateFailed: err << "veltraxctl: the mouse refused the transaction; nothing written\n"; break;
    case WriteOutcome::WriteRefused: err << "veltraxctl: the mouse refused the write; nothing written\n"; break;
    case WriteOutcome::Unverified: err << "veltraxctl: the mouse does not hold " << what << "\n"; break;
    case WriteOutcome::EndRefused: err << "veltraxctl: the mouse may not hold " << what << "\n"; break;
    case WriteOutcome::Unplugged:
      err << "veltraxctl: the mouse was unplugged during the write; it may hold part of " << what << "\n";
      break;
    case WriteOutcome::NoDevice: break;
  }
  return 1;
}

}  // namespace veltrax::ctl
