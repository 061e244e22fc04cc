#include <gtest/gtest.h>

#include "device/HidapiTransport.h"

namespace veltrax {
namespace {

// The machines the tests run on have no mouse; what can be checked is that
// the system's list is read without harm and a failed open says why.
TEST(HidapiTransportTest, OpenOfAMissingNodeGivesTheSystemsReason) {
  HidapiTransport transport;
  for (const HidInterfaceInfo& info : transport.Enumerate()) EXPECT_FALSE(info.path.empty());
  OpenResult opened = transport.Open("/dev/hidraw-veltrax-none");
  EXPECT_EQ(opened.device, nullptr);
  EXPECT_EQ(opened.error, "No such file or directory");
}

}  // namespace
}  // namespace veltrax
