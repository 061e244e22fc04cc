#pragma once
// The one connection to the mouse and every exchange of its command protocol.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "device/HidTransport.h"
#include "device/Protocol.h"
#include "device/Sleeper.h"
#include "device/TransferProgress.h"

namespace veltrax {

// Outcome of a memory exchange: whether the address command was accepted,
// and which data chunks cannot be trusted: those that got no 0xCC status,
// and those that got it only after their request was sent again, as the
// mouse may have carried out the first request and moved its position on.
struct [[nodiscard]] TransferResult {
  bool accepted = false;
  int chunks = 0;
  std::vector<int> failedChunkIndexes;  // in increasing order

  explicit operator bool() const { return accepted; }
  bool complete() const { return accepted && failedChunkIndexes.empty(); }
};

enum class [[nodiscard]] GateOutcome {
  BeginFailed,  // BeginTransactionCmd not acknowledged: nothing else was sent
  QueryFailed,  // StatusQueryCmd not acknowledged: nothing else was sent
  NoMarker,     // reply without the 0xAA marker: the transaction is left open
  Rejected,     // status flag clear or not the served model
  Passed,
};

// After Rejected and Passed the caller ends the transaction
// (SystemReloadCmd, then EndTransactionCmd) once its work is done.
constexpr bool NeedsTransactionEnd(GateOutcome g) { return g == GateOutcome::Rejected || g == GateOutcome::Passed; }

// Why an interface with the served ids is there but not used.
struct OpenProblem {
  enum class Kind {
    NoPermission,  // the user may not open its node (no udev rule yet)
    CannotOpen,    // another reason the system gave
    OtherRelease,  // it opens, but it is another release of the mouse
  };
  Kind kind = Kind::CannotOpen;
  std::string path;
  std::string reason;    // the system's words for a failed open
  uint16_t release = 0;  // the release it has, for OtherRelease
};

class DeviceLink {
 public:
  DeviceLink(HidTransport& transport, Sleeper& sleeper);

  // Told after every chunk of ReadMemory and WriteMemory; nullptr: nobody.
  void SetProgress(TransferProgress* progress) { progress_ = progress; }
  // Debug tracing, off by default: every feature request as a hex dump.
  using TraceSink = std::function<void(const std::string&)>;
  void SetTrace(TraceSink sink) { trace_ = std::move(sink); }

  bool IsOpen() const { return device_ != nullptr; }
  uint32_t VendorId() const { return vendorId_; }
  uint32_t ProductId() const { return productId_; }
  uint32_t ReportLength() const { return reportLength_; }
  bool StatusFlag() const { return statusFlag_; }
  uint32_t ModelCode() const { return modelCode_; }
  void SetModelCode(uint32_t code) { modelCode_ = code; }
  void SetVendorProduct(uint32_t vendorId, uint32_t productId);
  const std::array<uint8_t, kReportLength>& Report() const { return report_; }
  const std::array<uint8_t, 7>& ReplyStaging() const { return staging_; }

  // Single feature requests with the report buffer; fail at once with no device.
  [[nodiscard]] bool SetFeatureReport();
  [[nodiscard]] bool GetFeatureReport();

  // Generic exchange for commands 1, 2, 3, 4, 6 and 8: true on a 0xCC status.
  [[nodiscard]] bool SendCommand(Command code, uint8_t a = 0, uint8_t b = 0, uint8_t c = 0, uint8_t d = 0);
  [[nodiscard]] bool ReadDataChunk();
  [[nodiscard]] bool WriteDataChunk(std::span<const uint8_t, 6> data);

  // dest is filled with 0xFF up to lastIndex first.
  TransferResult ReadMemory(uint16_t address, uint16_t length, std::span<uint8_t> dest, int lastIndex);
  TransferResult ReadMemoryQuiet(uint16_t address, uint16_t length, std::span<uint8_t> dest, int lastIndex);
  TransferResult WriteMemory(uint16_t address, uint16_t length, std::span<const uint8_t> source);
  // A read whose untrusted chunks are read once more: everything from the
  // first of them on, behind a fresh address command. The chunks still
  // untrusted after that are in the result, counted from `address`.
  enum class Loading { Shown, Quiet };
  TransferResult ReadMemoryChecked(uint16_t address, uint16_t length, std::span<uint8_t> dest, Loading loading);

  // Pressed-button mask of one fast status query; 0 with no device or no answer.
  [[nodiscard]] uint16_t PollButtons();

  // Opens a transaction and checks marker, status flag and model. Device
  // discovery also clears the model code before the query.
  enum class ModelReset { Keep, Clear };
  GateOutcome IdentityGate(ModelReset reset = ModelReset::Keep);

  // SystemReloadCmd, then EndTransactionCmd: closes a transaction the gate
  // or the key test opened. True when both were acknowledged.
  [[nodiscard]] bool CloseTransaction();

  // Searches every HID interface and keeps the last that matches the ids,
  // the release number versionNumber and report length 8.
  [[nodiscard]] bool OpenDevice(uint32_t vendorId, uint32_t productId, uint32_t versionNumber);
  // Interfaces with the served ids that the last OpenDevice could not open
  // or did not take, with why: each path once, each other release once.
  const std::vector<OpenProblem>& OpenProblems() const { return openProblems_; }
  // Path of the open interface; empty before the first open.
  const std::string& DevicePath() const { return devicePath_; }
  // Whether the open interface still enumerates and the system still has
  // it; the mouse is sent nothing. False with no device.
  [[nodiscard]] bool StillPresent();
  // The system said the device is gone: a feature request failed and the
  // device was no longer there. Every exchange then fails at once. Stays
  // until the next successful OpenDevice.
  bool Gone() const { return gone_; }
  // Closes the handle and clears vendor and product id.
  void DropDevice();
  // Closes the handle only; the ids stay.
  void CloseHandle() { device_.reset(); }

  int CountHidInterfaces() { return transport_.CountOpenable(); }

 private:
  void Trace(const char* what, bool ok) const;
  void NoteOpenFailure(const std::string& path, const OpenResult& opened);
  void NoteOtherRelease(const HidInterfaceInfo& info);
  bool Exchange(const std::array<uint8_t, kReportLength>& request, const ExchangeTiming& timing);
  // After a failed feature request: whether the device has gone away.
  bool DeviceGone();
  TransferResult ReadChunks(uint16_t address, uint16_t length, std::span<uint8_t> dest, int lastIndex, bool quiet);

  HidTransport& transport_;
  Sleeper& sleeper_;
  TransferProgress* progress_ = nullptr;
  TraceSink trace_;

  std::unique_ptr<HidDevice> device_;
  std::string devicePath_;
  uint32_t vendorId_ = 0;
  uint32_t productId_ = 0;
  uint32_t reportLength_ = 0;
  std::array<uint8_t, kReportLength> report_{};
  std::array<uint8_t, 7> staging_{};
  bool gone_ = false;
  int lastAttempts_ = 0;  // attempts the last exchange took
  bool statusFlag_ = false;
  uint32_t modelCode_ = 0;
  std::vector<OpenProblem> openProblems_;
};

}  // namespace veltrax
