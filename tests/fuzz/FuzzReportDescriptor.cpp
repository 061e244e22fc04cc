// An interface's HID report descriptor, as the system hands it over.

#include <cstddef>
#include <cstdint>
#include <span>

#include "device/ReportDescriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  (void)veltrax::FeatureReportLength(std::span<const uint8_t>(data, size));
  return 0;
}
