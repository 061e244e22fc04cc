#pragma once
// A firmware-side model of the mouse behind HidTransport: its memory, every
// command with its replies, the status query and injectable faults. The test
// double of every flow and the demo device of --simulate.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/Error.h"
#include "device/HidTransport.h"
#include "device/Protocol.h"
#include "sim/SimFaults.h"

namespace veltrax {

using MemoryImage = std::array<uint8_t, kMemorySize>;

struct SimOptions {
  SimFaults faults;
  // Memory is loaded from this file when it exists and kept there after
  // every transaction that wrote to it.
  std::optional<std::filesystem::path> stateFile;
  // Memory of a mouse without a state file.
  MemoryImage initialMemory = FilledMemory(0xFF);

  static MemoryImage FilledMemory(uint8_t value) {
    MemoryImage m;
    m.fill(value);
    return m;
  }
};

// One request as the mouse received it.
struct SimExchange {
  std::array<uint8_t, kReportLength> request;
  Command code() const { return static_cast<Command>(request[1]); }
};

class SimulatedMouse final : public HidTransport {
 public:
  static constexpr const char* kPath = "sim:veltrax-mouse";
  static constexpr uint8_t kModelByte = 0x75;
  static constexpr uint8_t kRefusedStatus = 0xEE;

  // Fails when the state file exists but is not a 2048-byte memory image.
  static Result<std::unique_ptr<SimulatedMouse>> Create(SimOptions options);
  explicit SimulatedMouse(SimFaults faults = {}, const MemoryImage& memory = SimOptions::FilledMemory(0xFF));
  ~SimulatedMouse() override;
  SimulatedMouse(const SimulatedMouse&) = delete;
  SimulatedMouse& operator=(const SimulatedMouse&) = delete;

  std::vector<HidInterfaceInfo> Enumerate() override;
  OpenResult Open(const std::string& path) override;

  // Keeps memory in the state file, if there is one.
  Status Save();

  // Test controls. Not for use while a device call runs on another thread.
  SimFaults& Faults() { return faults_; }
  MemoryImage& Memory() { return memory_; }
  const std::vector<SimExchange>& Log() const { return log_; }
  std::vector<Command> CommandLog() const;
  void ClearLog() { log_.clear(); }
  bool InTransaction() const { return inTransaction_; }
  void Unplug();
  void Plug();
  // The buttons in mask are held from now on; with forQueries, only for
  // that many status queries, then released. Safe while a device call runs
  // on another thread.
  void HoldButtons(uint16_t mask, std::optional<int> forQueries = std::nullopt);
  bool Plugged() const { return plugged_; }

 private:
  class Handle;
  friend class Handle;

  bool Receive(std::span<const uint8_t> request, uint64_t generation);
  bool Reply(std::span<uint8_t> report, uint64_t generation);
  bool HandleAlive(uint64_t generation);
  bool Alive(uint64_t generation) const { return plugged_ && generation == generation_; }
  bool Perform(const std::array<uint8_t, kReportLength>& request);
  bool InOrder(Command code) const;
  // Consumes one count of a reject or drop fault that matches the code.
  static bool Matches(int& count, const std::optional<uint8_t>& only, uint8_t code);
  void AdvanceAfterRefusal(Command code);
  uint8_t ReadByte(int address) const;
  Status SaveLocked();
  void CheckUnplug();  // the unplug fault takes effect

  mutable std::mutex mutex_;
  SimFaults faults_;
  MemoryImage memory_;
  std::optional<std::filesystem::path> stateFile_;
  bool dirty_ = false;

  bool plugged_ = true;
  uint64_t generation_ = 0;  // a new plug-in makes older handles stale
  int requestsSeen_ = 0;
  std::vector<SimExchange> log_;

  std::array<uint8_t, kReportLength> reply_{};
  int notReadyLeft_ = 0;
  bool replyLost_ = false;
  // The transaction order: BeginTransactionCmd, StatusQueryCmd, memory
  // exchanges, SystemReloadCmd, EndTransactionCmd.
  bool inTransaction_ = false;
  bool statusQueried_ = false;
  bool reloaded_ = false;
  Command lastAccepted_ = Command::EndTransactionCmd;
  int readAddress_ = 0;
  int readLeft_ = 0;
  int writeAddress_ = 0;
  int writeLeft_ = 0;
  std::optional<int> heldQueriesLeft_;  // the held buttons are released after these status queries
};

}  // namespace veltrax
