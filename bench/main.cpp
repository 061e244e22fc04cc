// veltrax-bench transfer: times a whole-image read and write against the
// simulated mouse answering at once, in real time, against the protocol's
// floor (the sum of its fixed pauses).
// veltrax-bench apply: the same for the whole Apply flow (gate, write,
// read-back, end of the transaction). veltrax-bench startup: see Startup.h.

#include <sys/resource.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <iostream>
#include <vector>

#include "Goal.h"
#include "Startup.h"
#include "cli/CommandLine.h"
#include "device/DeviceLink.h"
#include "device/ServedModel.h"
#include "image/DefaultImages.h"
#include "image/ImageFlows.h"
#include "sim/SimulatedMouse.h"

namespace {

using namespace veltrax;

constexpr int kChunks = ChunkCount(kMemorySize);
// A transfer may take at most 3 % longer than the pauses the protocol needs.
constexpr double kMaxRatio = 1.03;
// One address command plus every data chunk, each answered at the first poll.
constexpr double kReadFloorMs = kCommandTiming.pauseAfterSet + kChunks * kReadDataTiming.pauseAfterSet;
constexpr double kWriteFloorMs = kCommandTiming.pauseAfterSet + kChunks * kWriteDataTiming.pauseAfterSet;

double CpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct Timing {
  double wallMs;
  double cpuMs;
};

template <class F>
Timing Measure(F&& transfer) {
  const double cpu0 = CpuMs();
  const auto t0 = std::chrono::steady_clock::now();
  if (!transfer()) {
    std::fprintf(stderr, "veltrax-bench: the transfer failed\n");
    std::exit(1);
  }
  const auto t1 = std::chrono::steady_clock::now();
  return {std::chrono::duration<double, std::milli>(t1 - t0).count(), CpuMs() - cpu0};
}

int Transfer() {
  SimulatedMouse mouse;
  RealSleeper sleeper;
  DeviceLink link(mouse, sleeper);
  uint32_t version = kRequiredRelease;
  // The mouse takes address commands only inside a transaction whose status
  // was asked, as every flow does.
  if (!link.OpenDevice(kServedVendorId, kServedProductId, version) || link.IdentityGate() != GateOutcome::Passed) {
    std::fprintf(stderr, "veltrax-bench: the simulated mouse does not open\n");
    return 1;
  }
  std::vector<uint8_t> image(kMemorySize, 0x5A);
  const Timing write = Measure([&] { return link.WriteMemory(0, kMemorySize, image).complete(); });
  const Timing read = Measure([&] { return link.ReadMemory(0, kMemorySize, image, kMemorySize - 1).complete(); });
  (void)link.CloseTransaction();  // the timed transfers are done

  const double readRatio = read.wallMs / kReadFloorMs;
  const double writeRatio = write.wallMs / kWriteFloorMs;
  std::printf("read_ms=%.1f read_floor_ms=%.0f read_ratio=%.4f read_cpu_ms=%.1f %s\n", read.wallMs, kReadFloorMs,
              readRatio, read.cpuMs, GoalText({{"read_ratio", readRatio, kMaxRatio}}).c_str());
  std::printf("write_ms=%.1f write_floor_ms=%.0f write_ratio=%.4f write_cpu_ms=%.1f %s\n", write.wallMs,
              kWriteFloorMs, writeRatio, write.cpuMs, GoalText({{"write_ratio", writeRatio, kMaxRatio}}).c_str());
  const double ratio = readRatio > writeRatio ? readRatio : writeRatio;
  std::printf("ratio=%.4f %s\n", ratio, GoalText({{"ratio", ratio, kMaxRatio}}).c_str());
  return 0;
}

// Begin and status query, the write, the read-back, reload and end.
constexpr double kApplyFloorMs = 4 * kCommandTiming.pauseAfterSet + kWriteFloorMs + kReadFloorMs;

int Apply() {
  SimulatedMouse mouse(SimFaults{}, DefaultImage(1));
  RealSleeper sleeper;
  DeviceLink link(mouse, sleeper);
  InlineRunner runner(link, sleeper);
  FlowPages pages;
  FlowDialogs dialogs;
  MapTextTable texts;
  ImageFlows flows(runner, pages, dialogs, texts);
  flows.InitNoDevice();
  uint32_t version = kRequiredRelease;
  if (!link.OpenDevice(kServedVendorId, kServedProductId, version)) {
    std::fprintf(stderr, "veltrax-bench: the simulated mouse does not open\n");
    return 1;
  }
  const Timing apply = Measure([&] {
    return flows.DownloadParameter() && flows.LastResult().write == WriteOutcome::Verified;
  });
  const double ratio = apply.wallMs / kApplyFloorMs;
  std::printf("apply_ms=%.1f apply_floor_ms=%.0f apply_ratio=%.4f apply_cpu_ms=%.1f %s\n", apply.wallMs, kApplyFloorMs,
              ratio, apply.cpuMs, GoalText({{"apply_ratio", ratio, kMaxRatio}}).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"veltrax-bench: times the VELTRAX configurator against its goals; each line ends with its goal "
               "and whether it was met.",
               "veltrax-bench"};
  veltrax::cli::FollowConventions(app);
  app.require_subcommand(1);
  int (*chosen)() = nullptr;
  app.add_subcommand("transfer", "A whole-image read and write against the protocol's floor (ratio goal <= 1.03)")
      ->callback([&] { chosen = Transfer; });
  app.add_subcommand("apply", "The whole Apply flow against its floor (ratio goal <= 1.03)")->callback([&] { chosen = Apply; });
  bool startup = false;
  app.add_subcommand("startup", "The window's first painted frame (goal < 400 ms) and memory then (goal < 80 MB)")
      ->callback([&] { startup = true; });
  if (auto status = veltrax::cli::Parse(app, argc, argv, std::cout, std::cerr)) return *status;
  return startup ? Startup(argc, argv) : chosen();
}
