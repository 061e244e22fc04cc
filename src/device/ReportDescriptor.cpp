#include "device/ReportDescriptor.h"

#include <algorithm>
#include <map>
#include <vector>

namespace veltrax {
namespace {

enum ItemType { kMain = 0, kGlobal = 1, kLocal = 2 };
constexpr uint8_t kFeatureTag = 0xB;
constexpr uint8_t kReportSizeTag = 0x7;
constexpr uint8_t kReportIdTag = 0x8;
constexpr uint8_t kReportCountTag = 0x9;
constexpr uint8_t kPushTag = 0xA;
constexpr uint8_t kPopTag = 0xB;
constexpr uint8_t kLongItemPrefix = 0xFE;

struct GlobalState {
  uint32_t reportSize = 0;
  uint32_t reportCount = 0;
  uint32_t reportId = 0;
};

uint32_t UnsignedData(std::span<const uint8_t> data) {
  uint32_t value = 0;
  for (size_t i = 0; i < data.size(); ++i) value |= static_cast<uint32_t>(data[i]) << (8 * i);
  return value;
}

}  // namespace

int FeatureReportLength(std::span<const uint8_t> descriptor) {
  GlobalState state;
  std::vector<GlobalState> stack;
  std::map<uint32_t, uint64_t> featureBits;  // per report ID
  bool usesReportIds = false;

  size_t pos = 0;
  while (pos < descriptor.size()) {
    const uint8_t prefix = descriptor[pos];
    if (prefix == kLongItemPrefix) {
      if (pos + 1 >= descriptor.size()) break;
      pos += 3 + descriptor[pos + 1];
      continue;
    }
    const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
    if (pos + 1 + size > descriptor.size()) break;  // truncated item: ignore the rest
    const auto data = descriptor.subspan(pos + 1, size);
    const int type = (prefix >> 2) & 3;
    const uint8_t tag = prefix >> 4;
    pos += 1 + size;

    if (type == kGlobal) {
      switch (tag) {
        case kReportSizeTag: state.reportSize = UnsignedData(data); break;
        case kReportCountTag: state.reportCount = UnsignedData(data); break;
        case kReportIdTag:
          state.reportId = UnsignedData(data);
          usesReportIds = true;
          break;
        case kPushTag: stack.push_back(state); break;
        case kPopTag:
          if (!stack.empty()) {
            state = stack.back();
            stack.pop_back();
          }
          break;
        default: break;
      }
    } else if (type == kMain && tag == kFeatureTag) {
      featureBits[state.reportId] += static_cast<uint64_t>(state.reportSize) * state.reportCount;
    }
  }

  uint64_t longest = 0;
  for (const auto& [id, bits] : featureBits) longest = std::max(longest, (bits + 7) / 8);
  if (featureBits.empty()) return 0;
  return static_cast<int>(std::min<uint64_t>(longest + (usesReportIds ? 1 : 0), 0x7FFFFFFF));
}

}  // namespace veltrax
