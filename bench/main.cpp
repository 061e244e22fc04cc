// veltrax-bench transfer: times a whole-image read and write against the
// simulated mouse answering at once, in real time, against the protocol's
// floor (the sum of its fixed pauses).
// veltrax-bench apply: the same for the whole Apply flow (gate, write,
// read-back, end of the transaction). veltrax-bench startup: see Startup.h.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "Startup.h"
#include "device/DeviceLink.h"
#include "device/ServedModel.h"
#include "image/DefaultImages.h"
#include "image/ImageFlows.h"
#include "sim/SimulatedMouse.h"

namespace {

using namespace veltrax;

constexpr int kChunks = ChunkCount(kMemorySize);
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
  if (!link.OpenDevice(kServedVendorId, kServedProductId, version) ||
      !link.SendCommand(Command::BeginTransactionCmd)) {
    std::fprintf(stderr, "veltrax-bench: the simulated mouse does not open\n");
    return 1;
  }
  std::vector<uint8_t> image(kMemorySize, 0x5A);
  const Timing write = Measure([&] { return link.WriteMemory(0, kMemorySize, image).complete(); });
  const Timing read = Measure([&] { return link.ReadMemory(0, kMemorySize, image, kMemorySize - 1).complete(); });
  link.CloseTransaction();

  const double readRatio = read.wallMs / kReadFloorMs;
  const double writeRatio = write.wallMs / kWriteFloorMs;
  std::printf("read_ms=%.1f read_floor_ms=%.0f read_ratio=%.4f read_cpu_ms=%.1f\n", read.wallMs, kReadFloorMs,
              readRatio, read.cpuMs);
  std::printf("write_ms=%.1f write_floor_ms=%.0f write_ratio=%.4f write_cpu_ms=%.1f\n", write.wallMs,
              kWriteFloorMs, writeRatio, write.cpuMs);
  std::printf("ratio=%.4f\n", readRatio > writeRatio ? readRatio : writeRatio);
  return 0;
}

// Begin and status query, the write, the read-back, reload and end.
constexpr double kApplyFloorMs = 4 * kCommandTiming.pauseAfterSet + kWriteFloorMs + kReadFloorMs;

int Apply() {
  SimulatedMouse mouse(SimFaults{}, DefaultImage(1));
  RealSleeper sleeper;
  DeviceLink link(mouse, sleeper);
  FlowHost host;
  MapTextTable texts;
  ImageFlows flows(link, sleeper, host, texts);
  flows.InitNoDevice();
  uint32_t version = kRequiredRelease;
  if (!link.OpenDevice(kServedVendorId, kServedProductId, version)) {
    std::fprintf(stderr, "veltrax-bench: the simulated mouse does not open\n");
    return 1;
  }
  const Timing apply = Measure([&] { return flows.DownloadParameter() == WriteOutcome::Verified; });
  std::printf("apply_ms=%.1f apply_floor_ms=%.0f apply_ratio=%.4f apply_cpu_ms=%.1f\n", apply.wallMs, kApplyFloorMs,
              apply.wallMs / kApplyFloorMs, apply.cpuMs);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "transfer") == 0) return Transfer();
  if (argc == 2 && std::strcmp(argv[1], "apply") == 0) return Apply();
  if (argc == 2 && std::strcmp(argv[1], "startup") == 0) return Startup(argc, argv);
  std::fprintf(stderr, "usage: veltrax-bench transfer | apply | startup\n");
  return 2;
}
