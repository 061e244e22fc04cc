#include <gtest/gtest.h>

#include <vector>

#include "common/NamedCase.h"
#include "device/ReportDescriptor.h"

namespace veltrax {
namespace {

struct DescriptorCase : test::NamedCase {
  std::vector<uint8_t> bytes;
  int featureLength;
};

class ReportDescriptorTest : public ::testing::TestWithParam<DescriptorCase> {};

TEST_P(ReportDescriptorTest, FeatureReportLength) {
  EXPECT_EQ(FeatureReportLength(GetParam().bytes), GetParam().featureLength);
}

// Items: 0x06 usage page (2 bytes), 0x09 usage, 0xA1 collection, 0x85 report
// ID, 0x75 report size, 0x95 report count, 0xB1 feature, 0x81 input,
// 0xA4 push, 0xB4 pop, 0xC0 end collection.
INSTANTIATE_TEST_SUITE_P(
    Descriptors, ReportDescriptorTest,
    ::testing::Values(
        DescriptorCase{"mouseVendorPage",
                       {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x04, 0x75, 0x08, 0x95, 0x07, 0x09, 0x01, 0xB1,
                        0x02, 0xC0},
                       8},
        DescriptorCase{"noReportIds", {0x75, 0x08, 0x95, 0x08, 0xB1, 0x02}, 8},
        DescriptorCase{"longestOfSeveralIds",
                       {0x85, 0x01, 0x75, 0x08, 0x95, 0x03, 0xB1, 0x02, 0x85, 0x02, 0x95, 0x07, 0xB1, 0x02, 0x85, 0x01,
                        0x95, 0x01, 0xB1, 0x02},
                       8},
        DescriptorCase{"bitsRoundUp", {0x75, 0x01, 0x95, 0x03, 0xB1, 0x02, 0x75, 0x05, 0x95, 0x01, 0xB1, 0x03}, 1},
        DescriptorCase{"inputOnly", {0x85, 0x01, 0x75, 0x08, 0x95, 0x40, 0x81, 0x02}, 0},
        DescriptorCase{"pushPopRestoresSize",
                       {0x85, 0x04, 0x75, 0x08, 0x95, 0x02, 0xA4, 0x75, 0x10, 0x95, 0x10, 0x81, 0x02, 0xB4, 0xB1, 0x02},
                       3},
        DescriptorCase{"fourByteCount", {0x75, 0x08, 0x97, 0x10, 0x00, 0x00, 0x00, 0xB1, 0x02}, 16},
        DescriptorCase{"longItemSkipped", {0xFE, 0x02, 0x10, 0xB1, 0x02, 0x75, 0x08, 0x95, 0x02, 0xB1, 0x02}, 2},
        DescriptorCase{"truncatedItem", {0x75, 0x08, 0x95, 0x02, 0xB1, 0x02, 0x97, 0x01}, 2},
        DescriptorCase{"empty", {}, 0}),
    test::CaseName());

TEST(ReportDescriptorFuzz, AnyBytesGiveALength) {
  std::vector<uint8_t> bytes(64);
  uint32_t seed = 12345;
  for (int round = 0; round < 2000; ++round) {
    for (uint8_t& b : bytes) {
      seed = seed * 1103515245 + 12345;
      b = static_cast<uint8_t>(seed >> 16);
    }
    EXPECT_GE(FeatureReportLength(bytes), 0);
  }
}

}  // namespace
}  // namespace veltrax
