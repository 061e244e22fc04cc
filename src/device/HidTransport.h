#pragma once
// The HID layer the protocol talks through: enumeration, open, feature reports.
// The protocol code sees only this interface; hidapi and the simulated mouse
// sit behind it.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace veltrax {

struct HidInterfaceInfo {
  std::string path;
  uint16_t vendorId = 0;
  uint16_t productId = 0;
  uint16_t releaseNumber = 0;
  // Longest feature report in bytes, plus one when the interface uses report IDs.
  int featureReportLength = 0;
};

// One open HID interface; closed when destroyed.
class HidDevice {
 public:
  virtual ~HidDevice() = default;
  // report[0] is the report ID.
  virtual bool SetFeature(std::span<const uint8_t> report) = 0;
  // report[0] names the report ID to fetch. A reply shorter than the report
  // is no reply: it fails and report is left as it was.
  virtual bool GetFeature(std::span<uint8_t> report) = 0;
  // Whether the system still has the device behind this handle. Asks the
  // system only; the device is sent nothing.
  virtual bool Present() { return true; }
};

struct [[nodiscard]] OpenResult {
  std::unique_ptr<HidDevice> device;  // null when the open failed
  std::string error;                  // why it failed, in the system's words
  bool permissionDenied = false;      // it failed for want of the right to open it
};

class HidTransport {
 public:
  virtual ~HidTransport() = default;
  // Every present HID interface of the system.
  virtual std::vector<HidInterfaceInfo> Enumerate() = 0;
  virtual OpenResult Open(const std::string& path) = 0;
  // Present interfaces whose path opens; each is closed again at once.
  virtual int CountOpenable();
};

}  // namespace veltrax
