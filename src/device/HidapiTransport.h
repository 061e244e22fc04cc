#pragma once
// The system's HID interfaces through hidapi (hidraw backend).

#include "device/HidTransport.h"

namespace veltrax {

class HidapiTransport final : public HidTransport {
 public:
  HidapiTransport();
  ~HidapiTransport() override;
  HidapiTransport(const HidapiTransport&) = delete;
  HidapiTransport& operator=(const HidapiTransport&) = delete;

  std::vector<HidInterfaceInfo> Enumerate() override;
  OpenResult Open(const std::string& path) override;
};

}  // namespace veltrax
