#include "sim/SimulatedMouse.h"

#include <algorithm>

#include "base/FileIo.h"
#include "device/ServedModel.h"

namespace veltrax {
namespace {

constexpr uint16_t kOtherVendorId = 0x1D6B;

int Word(const std::array<uint8_t, kReportLength>& r, int at) { return r[at] | (r[at + 1] << 8); }

// An address command's span lies inside the memory.
bool InRange(const std::array<uint8_t, kReportLength>& r) {
  const int length = Word(r, 4);
  return length >= 1 && Word(r, 2) + length <= kMemorySize;
}

}  // namespace

class SimulatedMouse::Handle final : public HidDevice {
 public:
  Handle(SimulatedMouse& mouse, uint64_t generation) : mouse_(mouse), generation_(generation) {}
  bool SetFeature(std::span<const uint8_t> report) override { return mouse_.Receive(report, generation_); }
  bool GetFeature(std::span<uint8_t> report) override { return mouse_.Reply(report, generation_); }
  bool Present() override { return mouse_.HandleAlive(generation_); }

 private:
  SimulatedMouse& mouse_;
  uint64_t generation_;
};

// Another HID device of the system: it opens, but answers no feature request.
class OtherDevice final : public HidDevice {
 public:
  bool SetFeature(std::span<const uint8_t>) override { return false; }
  bool GetFeature(std::span<uint8_t>) override { return false; }
};

Result<std::unique_ptr<SimulatedMouse>> SimulatedMouse::Create(SimOptions options) {
  MemoryImage memory = options.initialMemory;
  if (options.stateFile && std::filesystem::exists(*options.stateFile)) {
    auto bytes = ReadWholeFile(*options.stateFile, kMemorySize);
    if (!bytes) return bytes.error();
    if (bytes.value().size() != memory.size()) {
      return Error{ErrorKind::BadFormat, "simulated mouse state " + options.stateFile->string() + " is " +
                                             std::to_string(bytes.value().size()) + " bytes, not 2048"};
    }
    std::copy(bytes.value().begin(), bytes.value().end(), memory.begin());
  }
  auto mouse = std::make_unique<SimulatedMouse>(options.faults, memory);
  mouse->stateFile_ = options.stateFile;
  mouse->dirty_ = options.stateFile && !std::filesystem::exists(*options.stateFile);
  // A state file that cannot be kept is said at once, not found out later.
  if (Status saved = mouse->Save(); !saved) {
    return Error{saved.error().kind, "the simulated mouse's state cannot be kept: " + saved.error().context};
  }
  return mouse;
}

SimulatedMouse::SimulatedMouse(SimFaults faults, const MemoryImage& memory) : faults_(faults), memory_(memory) {
  if (faults_.identity) {
    memory_[kIdentityAddress] = faults_.identity->first;
    memory_[kIdentityAddress + 1] = faults_.identity->second;
  }
}

// Nobody is left to tell about a failed save here: the programs save the
// memory themselves before they end and report a failure.
SimulatedMouse::~SimulatedMouse() { (void)Save(); }

Status SimulatedMouse::Save() {
  std::lock_guard lock(mutex_);
  return SaveLocked();
}

Status SimulatedMouse::SaveLocked() {
  if (!stateFile_ || !dirty_) return Success();
  Status saved = WriteFileAtomically(*stateFile_, memory_);
  if (saved) dirty_ = false;
  return saved;
}

void SimulatedMouse::CheckUnplug() {
  if (faults_.unplugAfter && requestsSeen_ >= *faults_.unplugAfter) {
    plugged_ = false;
    inTransaction_ = false;
  }
}

std::vector<HidInterfaceInfo> SimulatedMouse::Enumerate() {
  std::lock_guard lock(mutex_);
  CheckUnplug();
  std::vector<HidInterfaceInfo> list;
  if (plugged_) {
    list.push_back({kPath, kServedVendorId, kServedProductId, faults_.release.value_or(kRequiredRelease), kReportLength});
  }
  for (int i = 0; i < faults_.extraInterfaces; ++i) {
    list.push_back({"sim:other-" + std::to_string(i), kOtherVendorId, static_cast<uint16_t>(i + 1), 0x0100, 0});
  }
  return list;
}

OpenResult SimulatedMouse::Open(const std::string& path) {
  std::lock_guard lock(mutex_);
  CheckUnplug();
  if (path == kPath && plugged_ && faults_.denied) return {nullptr, "Permission denied", true};
  if (path == kPath && plugged_) return {std::make_unique<Handle>(*this, generation_), {}};
  for (int i = 0; i < faults_.extraInterfaces; ++i) {
    if (path == "sim:other-" + std::to_string(i)) return {std::make_unique<OtherDevice>(), {}};
  }
  return {nullptr, "No such device"};
}

std::vector<Command> SimulatedMouse::CommandLog() const {
  std::vector<Command> codes;
  for (const SimExchange& e : log_) codes.push_back(e.code());
  return codes;
}

void SimulatedMouse::Unplug() {
  std::lock_guard lock(mutex_);
  plugged_ = false;
  inTransaction_ = false;
}

void SimulatedMouse::Plug() {
  std::lock_guard lock(mutex_);
  if (!plugged_) ++generation_;
  plugged_ = true;
}

void SimulatedMouse::HoldButtons(uint16_t mask, std::optional<int> forQueries) {
  std::lock_guard lock(mutex_);
  const bool none = forQueries && *forQueries <= 0;
  faults_.pressedButtons = none ? 0 : mask;
  heldQueriesLeft_ = none ? std::nullopt : forQueries;
}

bool SimulatedMouse::HandleAlive(uint64_t generation) {
  std::lock_guard lock(mutex_);
  CheckUnplug();
  return Alive(generation);
}

bool SimulatedMouse::Receive(std::span<const uint8_t> report, uint64_t generation) {
  std::lock_guard lock(mutex_);
  CheckUnplug();
  if (!Alive(generation) || report.size() != kReportLength || report[0] != kReportId) return false;
  ++requestsSeen_;

  std::array<uint8_t, kReportLength> request;
  std::copy(report.begin(), report.end(), request.begin());
  log_.push_back({request});

  const auto code = static_cast<Command>(request[1]);
  const bool refused = Matches(faults_.rejectReplies, faults_.rejectCommand, request[1]);
  reply_ = request;
  reply_[kStatusByte] = kRefusedStatus;
  if (refused) {
    AdvanceAfterRefusal(code);
  } else if (Perform(request)) {
    reply_[kStatusByte] = kStatusDone;
    lastAccepted_ = code;
  }
  replyLost_ = Matches(faults_.dropReplies, faults_.dropCommand, request[1]);
  notReadyLeft_ = faults_.notReadyPolls;
  return true;
}

bool SimulatedMouse::Matches(int& count, const std::optional<uint8_t>& only, uint8_t code) {
  if (count <= 0 || (only && *only != code)) return false;
  --count;
  return true;
}

void SimulatedMouse::AdvanceAfterRefusal(Command code) {
  if (!faults_.advanceOnRefusal) return;
  if (code == Command::ReadDataCmd && readLeft_ > 0) {
    readAddress_ += kChunkBytes;
    readLeft_ = std::max(0, readLeft_ - kChunkBytes);
  } else if (code == Command::WriteDataCmd && writeLeft_ > 0) {
    writeAddress_ += kChunkBytes;
    writeLeft_ = std::max(0, writeLeft_ - kChunkBytes);
  }
}

bool SimulatedMouse::Reply(std::span<uint8_t> report, uint64_t generation) {
  std::lock_guard lock(mutex_);
  if (!Alive(generation) || faults_.mute || report.size() != kReportLength) return false;
  std::copy(reply_.begin(), reply_.end(), report.begin());
  if (replyLost_) {
    report[kStatusByte] = kStatusNotReady;
  } else if (notReadyLeft_ > 0) {
    --notReadyLeft_;
    report[kStatusByte] = kStatusNotReady;
  }
  return true;
}

uint8_t SimulatedMouse::ReadByte(int address) const {
  if (address < 0 || address >= kMemorySize) return 0xFF;
  const uint8_t value = memory_[address];
  return faults_.stuckAddress == address ? static_cast<uint8_t>(~value) : value;
}

// Whether a command fits the transaction order at this point. A repeated
// SystemReloadCmd or EndTransactionCmd is taken again, as a host that lost
// the reply sends it once more.
bool SimulatedMouse::InOrder(Command code) const {
  switch (code) {
    case Command::BeginTransactionCmd: return true;
    case Command::StatusQueryCmd: return inTransaction_ && !reloaded_;
    case Command::ReadAddressCmd:
    case Command::WriteAddressCmd: return inTransaction_ && statusQueried_ && !reloaded_;
    case Command::ReadDataCmd: return readLeft_ > 0;
    case Command::WriteDataCmd: return writeLeft_ > 0;
    case Command::SystemReloadCmd: return inTransaction_;
    case Command::EndTransactionCmd:
      return lastAccepted_ == Command::SystemReloadCmd || lastAccepted_ == Command::EndTransactionCmd;
  }
  return false;
}

// Carries out one request into reply_; false refuses it.
bool SimulatedMouse::Perform(const std::array<uint8_t, kReportLength>& request) {
  const auto code = static_cast<Command>(request[1]);
  if (request[1] < 1 || request[1] > 8 || !InOrder(code)) return false;

  switch (code) {
    case Command::BeginTransactionCmd:
      inTransaction_ = true;
      statusQueried_ = reloaded_ = false;
      readLeft_ = writeLeft_ = 0;
      return true;
    case Command::EndTransactionCmd:
      // A mouse that cannot keep what it was given says so, and stays in
      // the transaction.
      if (inTransaction_ && !SaveLocked().ok()) return false;
      inTransaction_ = false;
      return true;
    case Command::SystemReloadCmd:
      reloaded_ = true;
      readLeft_ = writeLeft_ = 0;
      return true;
    case Command::StatusQueryCmd:
      statusQueried_ = true;
      reply_ = {kReportId,
                faults_.marker.value_or(kIdentityMarker),
                static_cast<uint8_t>(faults_.noStatus ? 0 : 1U << kStatusFlagBit),
                faults_.modelByte.value_or(kModelByte),
                0,
                static_cast<uint8_t>(faults_.pressedButtons & 0xFF),
                static_cast<uint8_t>(faults_.pressedButtons >> 8),
                0};
      if (heldQueriesLeft_ && --*heldQueriesLeft_ <= 0) {
        faults_.pressedButtons = 0;
        heldQueriesLeft_.reset();
      }
      return true;
    case Command::ReadAddressCmd:
      if (!InRange(request)) return false;
      readAddress_ = Word(request, 2);
      readLeft_ = Word(request, 4);
      writeLeft_ = 0;
      return true;
    case Command::ReadDataCmd:
      for (int i = 0; i < kChunkBytes; ++i) reply_[1 + i] = i < readLeft_ ? ReadByte(readAddress_ + i) : 0xFF;
      readAddress_ += kChunkBytes;
      readLeft_ = std::max(0, readLeft_ - kChunkBytes);
      return true;
    case Command::WriteAddressCmd:
      if (!InRange(request)) return false;
      writeAddress_ = Word(request, 2);
      writeLeft_ = Word(request, 4);
      readLeft_ = 0;
      return true;
    case Command::WriteDataCmd:
      for (int i = 0; i < kChunkBytes && i < writeLeft_; ++i) {
        if (writeAddress_ + i < kMemorySize) memory_[writeAddress_ + i] = request[2 + i];
      }
      writeAddress_ += kChunkBytes;
      writeLeft_ = std::max(0, writeLeft_ - kChunkBytes);
      dirty_ = true;
      return true;
  }
  return false;
}

}  // namespace veltrax
