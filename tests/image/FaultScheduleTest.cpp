// Seeded random fault schedules of the simulated mouse through read,
// profile save, write, restore and the macro area import, on virtual time.
// Whatever the mouse does, the flows must keep their word:
//   - "verified" ("written") means the mouse holds what was written, and
//     nothing is called written when the gate refused;
//   - a read that succeeded shows what the mouse holds; one that failed
//     changes nothing and writes no file;
//   - every flow ends.
// A failing schedule prints its seed; VELTRAX_FAULT_SEED=N runs that one
// alone, VELTRAX_FAULT_SCHEDULES=N runs N of them.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/FileIo.h"
#include "common/TempFolder.h"
#include "image/DefaultImages.h"
#include "image/ImageFlows.h"
#include "macro/MacroAreaImport.h"
#include "sim/SimulatedMouse.h"
#include "FlowFixture.h"

namespace veltrax {
namespace {

constexpr uint32_t kFirstSeed = 0x5EED0000;
#if defined(__SANITIZE_ADDRESS__)
constexpr int kSchedules = 1000;  // the same paths, at the sanitizers' pace
#else
constexpr int kSchedules = 5000;
#endif
constexpr int64_t kLongestFlowMs = 30 * 60 * 1000;

enum class Flow { Read, Save, Write, Restore, MacroArea };
const char* kFlowNames[] = {"read", "save", "write", "restore", "macro area"};

std::optional<long> EnvNumber(const char* name) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return std::nullopt;
  return std::strtol(text, nullptr, 0);
}

// The mouse's memory before the flow: not the image to be written, with
// old macros where the image has erased macro memory.
DeviceImage OldMemory() {
  DeviceImage memory = DefaultImage(1);
  std::fill(memory.begin() + 0x100, memory.end(), 0x11);
  memory[0x007] ^= 0x03;
  return memory;
}

DeviceImage ImageToWrite(std::mt19937& random) {
  DeviceImage image = DefaultImage(1);
  std::fill(image.begin() + 0x100, image.end(), 0xFF);  // erased macro memory reads like no answer
  if (random() % 2) {
    for (int i = 0; i < 8; ++i) image[0x100 + random() % 0x700] = static_cast<uint8_t>(random());
  }
  return image;
}

// Faults that hold from one data chunk to another; the mouse behaves
// afterwards.
struct Episode {
  int from = 0;
  int to = 0;
  SimFaults faults;
};

struct Schedule {
  Flow flow;
  SimFaults faults;  // from the first request
  std::vector<Episode> episodes;
  int unplugAtChunk = -1;
  std::string text;
};

int Pick(std::mt19937& random, int lo, int hi) { return lo + static_cast<int>(random() % static_cast<unsigned>(hi - lo + 1)); }
bool Chance(std::mt19937& random, int percent) { return static_cast<int>(random() % 100) < percent; }

SimFaults RandomFaults(std::mt19937& random, bool allowStuck, std::ostringstream& text) {
  SimFaults f;
  if (Chance(random, 25)) text << " notready:" << (f.notReadyPolls = Pick(random, 1, 6));
  if (Chance(random, 40)) {
    text << " reject:" << (f.rejectReplies = Pick(random, 1, 12));
    if (Chance(random, 70)) text << "@" << int(*(f.rejectCommand = static_cast<uint8_t>(Pick(random, 1, 8))));
  }
  if (Chance(random, 40)) {
    text << " drop:" << (f.dropReplies = Pick(random, 1, 4));
    if (Chance(random, 70)) text << "@" << int(*(f.dropCommand = static_cast<uint8_t>(Pick(random, 1, 8))));
  }
  if (Chance(random, 50)) text << " advance-on-refusal", f.advanceOnRefusal = true;
  if (Chance(random, 4)) text << " mute", f.mute = true;
  if (allowStuck && Chance(random, 5)) text << " stuck:" << *(f.stuckAddress = static_cast<uint16_t>(Pick(random, 0, 2047)));
  if (Chance(random, 3)) text << " nostatus", f.noStatus = true;
  if (Chance(random, 3)) text << " model:0x35", f.modelByte = 0x35;
  return f;
}

// A link that answers no data chunk of one kind for a while.
SimFaults QuietLink(std::mt19937& random, std::ostringstream& text) {
  SimFaults f;
  f.rejectReplies = 1 << 30;
  f.rejectCommand = static_cast<uint8_t>(Chance(random, 50) ? Command::ReadDataCmd : Command::WriteDataCmd);
  text << " no answer to " << int(*f.rejectCommand);
  return f;
}

Schedule MakeSchedule(uint32_t seed) {
  std::mt19937 random(seed);
  Schedule s;
  s.flow = static_cast<Flow>(random() % 5);
  // A byte that reads back wrong is the mouse's lie to a read: only writes can tell it.
  const bool allowStuck = s.flow != Flow::Read && s.flow != Flow::Save;
  std::ostringstream text;
  text << kFlowNames[static_cast<int>(s.flow)] << ":";
  s.faults = RandomFaults(random, allowStuck, text);
  if (Chance(random, 10)) text << " unplug:" << *(s.faults.unplugAfter = Pick(random, 1, 1500));
  for (int n = Pick(random, 0, 3); n > 0; --n) {
    Episode e;
    e.from = Pick(random, 1, 1400);
    // some last to the flow's end: a link that went bad and stays so
    e.to = Chance(random, 30) ? std::numeric_limits<int>::max() : e.from + Pick(random, 1, 700);
    text << " | chunks " << e.from << ".." << e.to << ":";
    e.faults = Chance(random, 50) ? QuietLink(random, text) : RandomFaults(random, allowStuck, text);
    s.episodes.push_back(e);
  }
  if (Chance(random, 10)) text << " | unplugged at chunk " << (s.unplugAtChunk = Pick(random, 1, 1200));
  s.text = text.str();
  return s;
}

class FaultScheduleTest : public FlowTest {
 protected:
  // Runs one schedule on a fresh mouse; false with why when a promise broke.
  ::testing::AssertionResult Run(uint32_t seed) {
    const Schedule s = MakeSchedule(seed);
    std::mt19937 random(seed ^ 0xA5A5A5A5u);
    SimulatedMouse mouse(SimFaults{}, OldMemory());
    VirtualClock clock;
    DeviceLink link(mouse, clock);
    InlineRunner runner(link, clock);
    RecordingHost host;
    ImageFlows flows(runner, host, host, texts);
    link.SetProgress(&host);
    if (!link.OpenDevice(0x04D9, 0xFC55, kRequiredRelease)) return ::testing::AssertionFailure() << "no mouse";
    mouse.Faults() = s.faults;
    int chunks = 0;
    host.onChunk = [&](int, int) {
      ++chunks;
      for (const Episode& e : s.episodes) {
        if (chunks == e.from) mouse.Faults() = e.faults;
        if (chunks == e.to) mouse.Faults() = SimFaults{};
      }
      if (chunks == s.unplugAtChunk) mouse.Unplug();
    };
    const DeviceImage before = mouse.Memory();
    auto broke = [&](const std::string& why) {
      return ::testing::AssertionFailure() << why << "\n  schedule " << s.text << "\n  replay with VELTRAX_FAULT_SEED=" << seed;
    };

    switch (s.flow) {
      case Flow::Read:
      case Flow::Save: {
        const ImageState shown = flows.State();
        const std::filesystem::path file = folder / "profile";
        std::filesystem::remove(folder / "profile.bin");
        host.saveFile = file;
        if (s.flow == Flow::Read) {
          (void)flows.ReadDevInfo();  // judged by LastResult below
        } else {
          (void)flows.Start(DeviceFlow::SaveProfile);
        }
        const FlowResult& result = flows.LastResult();
        if (result.read == ReadOutcome::Read && flows.State().workingImage != mouse.Memory()) {
          return broke("a read called good shows other bytes than the mouse holds");
        }
        if (result.read != ReadOutcome::Read && result.read != ReadOutcome::Unplugged &&
            (flows.State().workingImage != shown.workingImage || flows.State().dataBuf.bytes != shown.dataBuf.bytes)) {
          return broke("a failed read changed what is shown");
        }
        const bool saved = std::filesystem::exists(folder / "profile.bin");
        if (s.flow == Flow::Save && saved != (result.profile == ProfileOutcome::Saved)) {
          return broke("the profile file was written although the read failed, or not although it succeeded");
        }
        if (saved && ReadWholeFile(folder / "profile.bin", kImageSize).value() !=
                         std::vector<uint8_t>(mouse.Memory().begin(), mouse.Memory().end())) {
          return broke("the saved profile is not what the mouse holds");
        }
        break;
      }
      case Flow::Write:
      case Flow::Restore: {
        DeviceImage image = DefaultImage(1);
        if (s.flow == Flow::Write) {
          image = ImageToWrite(random);
          flows.State().workingImage = image;
          (void)flows.MemoToDataBuf_OnClick();  // judged by LastResult below
        } else {
          (void)flows.DefaultParameter(1 + static_cast<int>(random() % 3));
        }
        const WriteOutcome outcome = flows.LastResult().write;
        if (outcome == WriteOutcome::Verified && (mouse.Memory() != image || mouse.InTransaction())) {
          return broke("a write called verified left the mouse without the image or in its transaction");
        }
        if ((outcome == WriteOutcome::GateFailed || outcome == WriteOutcome::WriteRefused) &&
            mouse.Memory() != before) {
          return broke("a write refused before its data changed the mouse");
        }
        break;
      }
      case Flow::MacroArea: {
        std::array<uint8_t, kMacroAreaBytes> area{};
        for (auto& b : area) b = static_cast<uint8_t>(random());
        const AreaImportOutcome outcome = WriteMacroArea(link, area);
        if (outcome == AreaImportOutcome::Written &&
            !std::equal(area.begin(), area.end(), mouse.Memory().begin() + kMacroAreaAddress)) {
          return broke("a macro area called written is not on the mouse");
        }
        if ((outcome == AreaImportOutcome::Rejected || outcome == AreaImportOutcome::NoAnswer) &&
            mouse.Memory() != before) {
          return broke("a macro area refused at the gate changed the mouse");
        }
        break;
      }
    }
    if (runner.Busy()) return broke("the flow did not end");
    if (clock.NowMs() > kLongestFlowMs) return broke("the flow took " + std::to_string(clock.NowMs()) + " ms");
    return ::testing::AssertionSuccess();
  }

  // Saved profiles are flushed to disk: a folder in memory keeps that quick.
  static std::filesystem::path FastFolder() {
    std::error_code ec;
    return std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
               ? std::filesystem::path("/dev/shm")
               : std::filesystem::temp_directory_path();
  }
  test::TempFolder folder{"veltrax-faults", FastFolder()};
};

TEST_F(FaultScheduleTest, FlowsKeepTheirWordWhateverTheMouseDoes) {
  if (auto seed = EnvNumber("VELTRAX_FAULT_SEED")) {
    ASSERT_TRUE(Run(static_cast<uint32_t>(*seed)));
    return;
  }
  const long schedules = EnvNumber("VELTRAX_FAULT_SCHEDULES").value_or(kSchedules);
  for (long i = 0; i < schedules; ++i) ASSERT_TRUE(Run(kFirstSeed + static_cast<uint32_t>(i)));
}

}  // namespace
}  // namespace veltrax
