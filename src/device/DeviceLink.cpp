#include "device/DeviceLink.h"

#include <algorithm>

#include "base/HexText.h"

namespace veltrax {
namespace {

std::array<uint8_t, kReportLength> Request(Command code, uint8_t a = 0, uint8_t b = 0, uint8_t c = 0, uint8_t d = 0) {
  return {kReportId, static_cast<uint8_t>(code), a, b, c, d, 0, 0};
}

uint8_t Low(uint16_t v) { return static_cast<uint8_t>(v & 0xFF); }
uint8_t High(uint16_t v) { return static_cast<uint8_t>(v >> 8); }

bool FitsMemory(uint16_t address, uint16_t length) {
  return length >= 1 && address + length <= kMemorySize;
}

}  // namespace

DeviceLink::DeviceLink(HidTransport& transport, Sleeper& sleeper) : transport_(transport), sleeper_(sleeper) {}

void DeviceLink::SetVendorProduct(uint32_t vendorId, uint32_t productId) {
  vendorId_ = vendorId;
  productId_ = productId;
}

void DeviceLink::Trace(const char* what, bool ok) const {
  if (!trace_) return;
  // Appended piece by piece: GCC 12 at -O3 mistakes `" " + text` for an
  // overlapping copy (-Wrestrict).
  std::string line = what;
  for (uint8_t b : report_) line.append(" ").append(HexByte(b));
  if (!ok) line.append(" (refused by the system)");
  trace_(line);
}

bool DeviceLink::SetFeatureReport() {
  if (!device_) return false;
  const bool ok = device_->SetFeature(std::span<const uint8_t>(report_.data(), reportLength_));
  Trace("set", ok);
  return ok;
}

bool DeviceLink::GetFeatureReport() {
  if (!device_) return false;
  const bool ok = device_->GetFeature(std::span<uint8_t>(report_.data(), reportLength_));
  Trace("get", ok);
  return ok;
}

bool DeviceLink::DeviceGone() {
  if (device_ && !device_->Present()) gone_ = true;
  return gone_;
}

// One exchange: attempts of (request, polls until a non-zero status). A
// fetch that the system refuses brings no reply, so it counts as a
// not-ready poll; the request's own byte 7 is never taken for a status.
// A refused request or fetch on a device the system no longer has ends the
// exchange at once: retrying a vanished mouse only makes the user wait.
bool DeviceLink::Exchange(const std::array<uint8_t, kReportLength>& request, const ExchangeTiming& timing) {
  lastAttempts_ = 0;
  if (!device_ || gone_) return false;
  for (int attempt = 0; attempt < timing.attempts; ++attempt) {
    lastAttempts_ = attempt + 1;
    report_ = request;
    sleeper_.SleepMs(timing.pauseBeforeSet);
    if (!SetFeatureReport() && DeviceGone()) return false;
    sleeper_.SleepMs(timing.pauseAfterSet);
    uint8_t status = kStatusNotReady;
    for (int poll = 0; poll < timing.pollsPerAttempt; ++poll) {
      sleeper_.SleepMs(timing.pauseBeforePoll);
      const bool fetched = GetFeatureReport();
      if (!fetched && DeviceGone()) return false;
      status = fetched ? report_[kStatusByte] : kStatusNotReady;
      if (status != kStatusNotReady) break;
      sleeper_.SleepMs(timing.pauseAfterNotReady);
    }
    if (status == kStatusDone) return true;
  }
  return false;
}

bool DeviceLink::SendCommand(Command code, uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
  return Exchange(Request(code, a, b, c, d), kCommandTiming);
}

bool DeviceLink::ReadDataChunk() {
  staging_.fill(0xFF);
  if (!Exchange(Request(Command::ReadDataCmd), kReadDataTiming)) return false;
  std::copy(report_.begin() + 1, report_.end(), staging_.begin());
  return true;
}

bool DeviceLink::WriteDataChunk(std::span<const uint8_t, 6> data) {
  std::array<uint8_t, kReportLength> request{kReportId, static_cast<uint8_t>(Command::WriteDataCmd)};
  std::copy(data.begin(), data.end(), request.begin() + 2);
  return Exchange(request, kWriteDataTiming);
}

TransferResult DeviceLink::ReadChunks(uint16_t address, uint16_t length, std::span<uint8_t> dest, int lastIndex,
                                      bool quiet) {
  TransferResult result;
  const int fillEnd = std::min<int>(lastIndex + 1, static_cast<int>(dest.size()));
  std::fill(dest.begin(), dest.begin() + std::max(fillEnd, 0), 0xFF);
  if (!FitsMemory(address, length) || length > dest.size()) return result;
  if (!SendCommand(Command::ReadAddressCmd, Low(address), High(address), Low(length), High(length))) return result;
  result.accepted = true;
  result.chunks = ChunkCount(length);
  for (int i = 0; i < result.chunks; ++i) {
    if (gone_) {
      result.failedChunkIndexes.push_back(i);
      continue;
    }
    if (!ReadDataChunk() || lastAttempts_ > 1) result.failedChunkIndexes.push_back(i);
    const int count = std::min(kChunkBytes, length - i * kChunkBytes);
    std::copy_n(staging_.begin(), count, dest.begin() + i * kChunkBytes);
    if (!quiet && progress_) progress_->ChunkDone(i + 1, result.chunks);
  }
  return result;
}

TransferResult DeviceLink::ReadMemory(uint16_t address, uint16_t length, std::span<uint8_t> dest, int lastIndex) {
  return ReadChunks(address, length, dest, lastIndex, false);
}

TransferResult DeviceLink::ReadMemoryQuiet(uint16_t address, uint16_t length, std::span<uint8_t> dest,
                                           int lastIndex) {
  return ReadChunks(address, length, dest, lastIndex, true);
}

TransferResult DeviceLink::ReadMemoryChecked(uint16_t address, uint16_t length, std::span<uint8_t> dest,
                                             Loading loading) {
  const bool quiet = loading == Loading::Quiet;
  TransferResult result = ReadChunks(address, length, dest, static_cast<int>(dest.size()) - 1, quiet);
  if (!result.accepted || result.failedChunkIndexes.empty() || gone_) return result;
  const int from = result.failedChunkIndexes.front();
  const int offset = from * kChunkBytes;
  const auto restLength = static_cast<uint16_t>(length - offset);
  const std::span<uint8_t> rest = dest.subspan(offset, restLength);
  const TransferResult again =
      ReadChunks(static_cast<uint16_t>(address + offset), restLength, rest, restLength - 1, quiet);
  result.failedChunkIndexes.clear();
  if (!again.accepted) {
    for (int i = from; i < result.chunks; ++i) result.failedChunkIndexes.push_back(i);
  } else {
    for (int i : again.failedChunkIndexes) result.failedChunkIndexes.push_back(from + i);
  }
  return result;
}

TransferResult DeviceLink::WriteMemory(uint16_t address, uint16_t length, std::span<const uint8_t> source) {
  TransferResult result;
  staging_.fill(0xFF);
  if (!FitsMemory(address, length) || length > source.size()) return result;
  if (!SendCommand(Command::WriteAddressCmd, Low(address), High(address), Low(length), High(length))) return result;
  result.accepted = true;
  result.chunks = ChunkCount(length);
  for (int i = 0; i < result.chunks; ++i) {
    if (gone_) {
      result.failedChunkIndexes.push_back(i);
      continue;
    }
    // Staging bytes past a short last chunk keep the previous chunk's bytes;
    // they lie beyond the announced length.
    const int count = std::min(kChunkBytes, length - i * kChunkBytes);
    std::copy_n(source.begin() + i * kChunkBytes, count, staging_.begin());
    if (!WriteDataChunk(std::span<const uint8_t, 6>(staging_.data(), 6)) || lastAttempts_ > 1) {
      result.failedChunkIndexes.push_back(i);
    }
    if (progress_) progress_->ChunkDone(i + 1, result.chunks);
  }
  return result;
}

uint16_t DeviceLink::PollButtons() {
  if (!Exchange(Request(Command::StatusQueryCmd), kButtonPollTiming)) return 0;
  return static_cast<uint16_t>(report_[5] | (report_[6] << 8));
}

GateOutcome DeviceLink::IdentityGate(ModelReset reset) {
  if (!SendCommand(Command::BeginTransactionCmd)) return GateOutcome::BeginFailed;
  statusFlag_ = false;
  if (reset == ModelReset::Clear) modelCode_ = 0;
  if (!SendCommand(Command::StatusQueryCmd)) return GateOutcome::QueryFailed;
  statusFlag_ = (report_[2] & (1U << kStatusFlagBit)) != 0;
  modelCode_ = ModelCodeOf(report_[3], modelCode_);
  if (report_[1] != kIdentityMarker) return GateOutcome::NoMarker;
  return statusFlag_ && modelCode_ == kServedModelCode ? GateOutcome::Passed : GateOutcome::Rejected;
}

bool DeviceLink::CloseTransaction() {
  const bool reloaded = SendCommand(Command::SystemReloadCmd);
  return SendCommand(Command::EndTransactionCmd) && reloaded;
}

bool DeviceLink::OpenDevice(uint32_t vendorId, uint32_t productId, uint32_t versionNumber) {
  openProblems_.clear();
  std::unique_ptr<HidDevice> kept;
  std::string keptPath;
  for (const HidInterfaceInfo& info : transport_.Enumerate()) {
    const bool idsMatch = info.vendorId == vendorId && info.productId == productId;
    OpenResult opened = transport_.Open(info.path);
    if (!opened.device) {
      if (idsMatch) NoteOpenFailure(info.path, opened);
      continue;
    }
    if (idsMatch && info.releaseNumber != versionNumber) NoteOtherRelease(info);
    if (idsMatch && info.releaseNumber == versionNumber && info.featureReportLength == kReportLength) {
      kept = std::move(opened.device);  // the last match wins; an earlier one is closed
      keptPath = info.path;
    }
  }
  if (!kept) return false;
  device_ = std::move(kept);
  gone_ = false;
  devicePath_ = keptPath;
  vendorId_ = vendorId;
  productId_ = productId;
  reportLength_ = kReportLength;
  openProblems_.clear();
  return true;
}

void DeviceLink::NoteOpenFailure(const std::string& path, const OpenResult& opened) {
  const auto kind = opened.permissionDenied ? OpenProblem::Kind::NoPermission : OpenProblem::Kind::CannotOpen;
  openProblems_.push_back({kind, path, opened.error, 0});
}

// A mouse shows one release on each of its interfaces: say it once.
void DeviceLink::NoteOtherRelease(const HidInterfaceInfo& info) {
  for (const OpenProblem& p : openProblems_) {
    if (p.kind == OpenProblem::Kind::OtherRelease && p.release == info.releaseNumber) return;
  }
  openProblems_.push_back({OpenProblem::Kind::OtherRelease, info.path, {}, info.releaseNumber});
}

bool DeviceLink::StillPresent() {
  if (!device_) return false;
  bool listed = false;
  for (const HidInterfaceInfo& info : transport_.Enumerate()) listed = listed || info.path == devicePath_;
  return listed && !gone_ && device_->Present();
}

void DeviceLink::DropDevice() {
  device_.reset();
  vendorId_ = 0;
  productId_ = 0;
}

}  // namespace veltrax
