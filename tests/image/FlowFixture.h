#pragma once
// A simulated mouse holding the factory image, a device link on virtual
// time, a host that records what the flows asked of the window, and the
// flows between them, their device jobs run at once on the test's thread.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "image/DefaultImages.h"
#include "image/ImageFlows.h"
#include "sim/SimulatedMouse.h"

namespace veltrax {

struct RecordingHost final : FlowPages, FlowDialogs, TransferProgress {
  std::vector<std::string> events;
  std::vector<Message> messages;
  std::vector<PagesChange> changes;
  std::optional<std::filesystem::path> saveFile, openFile;
  std::function<void()> afterTransfer;  // called when a memory exchange's last chunk is done
  std::function<void(int done, int total)> onChunk;
  std::function<void()> onContribute;

  void ChunkDone(int done, int total) override {
    if (onChunk) onChunk(done, total);
    if (done == total && afterTransfer) afterTransfer();
  }

  void SetPagesLocked(bool locked) override { events.push_back(locked ? "LockPages" : "UnlockPages"); }
  void Contribute(ImageState&) override {
    events.push_back("Contribute");
    if (onContribute) onContribute();
  }
  void Receive(const ImageState&, PagesChange change) override { changes.push_back(change); }
  void ShowMessage(const Message& m) override {
    events.push_back("Message " + m.id);
    messages.push_back(m);
  }
  std::optional<std::filesystem::path> ChooseSaveFile() override { return saveFile; }
  std::optional<std::filesystem::path> ChooseOpenFile() override { return openFile; }

  std::vector<std::string> MessageIds() const {
    std::vector<std::string> ids;
    for (const Message& m : messages) ids.push_back(m.id);
    return ids;
  }
};

class FlowTest : public ::testing::Test {
 protected:
  FlowTest() : mouse(SimFaults{}, DefaultImage(1)), link(mouse, clock), runner(link, clock), flows(runner, host, host, texts) {
    link.SetProgress(&host);
    texts.Set("Str020", "Finding the device");
    texts.Set("Str100", "Waiting to reconnect device");
    texts.Set("Str101", "");
    texts.Set("Str102", "VELTRAXData.bin file type error");
    texts.Set("Str107", "The mouse manufacturer or product id error");
    texts.Set("Str109", "Fail");
  }

  void Open() {
    ASSERT_TRUE(link.OpenDevice(0x04D9, 0xFC55, kRequiredRelease));
    mouse.ClearLog();
  }

  // The mouse found, its image read and shown, log and records cleared.
  void Ready() {
    Open();
    ASSERT_EQ(Ran(flows.ReadDevInfo()).read, ReadOutcome::Read);
    mouse.ClearLog();
    host.events.clear();
    host.messages.clear();
    host.changes.clear();
  }

  // How the flow just started ended; the inline runner has run it whole.
  const FlowResult& Ran(bool started) {
    EXPECT_TRUE(started);
    return flows.LastResult();
  }

  // The command codes the mouse received, without arguments.
  static std::string Codes(const SimulatedMouse& m) {
    std::string out;
    for (Command code : m.CommandLog()) out += (out.empty() ? "" : " ") + std::to_string(static_cast<int>(code));
    return out;
  }

  // The commands the mouse received: address commands with (address,length),
  // runs of data commands as 5x342.
  std::string Sequence() const {
    std::string out;
    const auto& log = mouse.Log();
    for (size_t i = 0; i < log.size();) {
      const auto& r = log[i].request;
      std::string item = std::to_string(r[1]);
      size_t run = 1;
      if (r[1] == 4 || r[1] == 6) {
        item += "(" + std::to_string(r[2] | (r[3] << 8)) + "," + std::to_string(r[4] | (r[5] << 8)) + ")";
      } else if (r[1] == 5 || r[1] == 7) {
        while (i + run < log.size() && log[i + run].request[1] == r[1]) ++run;
        if (run > 1) item += "x" + std::to_string(run);
      }
      out += (out.empty() ? "" : " ") + item;
      i += run;
    }
    return out;
  }

  static constexpr const char* kWrite = "6(0,2048) 7x342 4(0,2048) 5x342";

  SimulatedMouse mouse;
  VirtualClock clock;
  DeviceLink link;
  InlineRunner runner;
  RecordingHost host;
  MapTextTable texts;
  ImageFlows flows;
};

}  // namespace veltrax
