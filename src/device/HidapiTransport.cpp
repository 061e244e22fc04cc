#include "device/HidapiTransport.h"

#include <hidapi/hidapi.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "base/FileIo.h"
#include "device/ReportDescriptor.h"

namespace veltrax {
namespace {

// The longest report descriptor the kernel keeps.
constexpr std::size_t kMaxDescriptorBytes = 4096;

// /dev/hidrawN -> /sys/class/hidraw/hidrawN/device/report_descriptor
int FeatureLengthOfNode(const std::string& path) {
  const std::filesystem::path sysfs =
      std::filesystem::path("/sys/class/hidraw") / std::filesystem::path(path).filename() / "device/report_descriptor";
  auto bytes = ReadWholeFile(sysfs, kMaxDescriptorBytes);
  return bytes ? FeatureReportLength(bytes.value()) : 0;
}

class HidapiDevice final : public HidDevice {
 public:
  HidapiDevice(hid_device* handle, std::string path) : handle_(handle), path_(std::move(path)) {}
  ~HidapiDevice() override { hid_close(handle_); }
  HidapiDevice(const HidapiDevice&) = delete;
  HidapiDevice& operator=(const HidapiDevice&) = delete;

  bool SetFeature(std::span<const uint8_t> report) override {
    return hid_send_feature_report(handle_, report.data(), report.size()) >= 0;
  }

  // A short reply would leave the request's own tail in the buffer, where
  // its last byte could pass for a status.
  bool GetFeature(std::span<uint8_t> report) override {
    std::vector<uint8_t> reply(report.begin(), report.end());
    const int received = hid_get_feature_report(handle_, reply.data(), reply.size());
    if (received < 0 || static_cast<size_t>(received) < report.size()) return false;
    std::copy(reply.begin(), reply.end(), report.begin());
    return true;
  }

  // The node is gone, or the kernel hung up on the open handle: a poll
  // without waiting tells, at the cost of an input report of our own
  // handle's queue, which nothing else reads.
  bool Present() override {
    if (::access(path_.c_str(), F_OK) != 0) return false;
    std::array<uint8_t, kInputProbeBytes> input{};
    return hid_read_timeout(handle_, input.data(), input.size(), 0) >= 0;
  }

 private:
  static constexpr size_t kInputProbeBytes = 64;
  hid_device* handle_;
  std::string path_;
};

}  // namespace

HidapiTransport::HidapiTransport() { hid_init(); }

HidapiTransport::~HidapiTransport() { hid_exit(); }

std::vector<HidInterfaceInfo> HidapiTransport::Enumerate() {
  std::vector<HidInterfaceInfo> result;
  hid_device_info* list = hid_enumerate(0, 0);
  for (hid_device_info* d = list; d != nullptr; d = d->next) {
    if (d->path == nullptr) continue;
    result.push_back({d->path, d->vendor_id, d->product_id, d->release_number, FeatureLengthOfNode(d->path)});
  }
  hid_free_enumeration(list);
  return result;
}

OpenResult HidapiTransport::Open(const std::string& path) {
  if (hid_device* handle = hid_open_path(path.c_str())) return {std::make_unique<HidapiDevice>(handle, path), {}};
  // hidapi does not say why; ask the node itself.
  if (::access(path.c_str(), R_OK | W_OK) != 0) {
    const int err = errno;
    return {nullptr, std::strerror(err), err == EACCES || err == EPERM};
  }
  return {nullptr, "cannot be opened", false};
}

}  // namespace veltrax
