// HidapiTransport over a stand-in for the hidapi library: the functions
// below take the place of the system's, so the replies a real interface
// may give (short, refused, from a vanished device) can be staged.

#include <gtest/gtest.h>
#include <hidapi/hidapi.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

#include "common/TempFolder.h"
#include "device/HidapiTransport.h"

namespace {

struct StagedInterface {
  std::array<unsigned char, 8> reply{};
  int replyLength = 8;     // what hid_get_feature_report says it received
  bool hungUp = false;     // the kernel reports the handle's device gone
} staged;

unsigned char handleStorage;

}  // namespace

extern "C" {
int hid_init(void) { return 0; }
int hid_exit(void) { return 0; }
struct hid_device_info* hid_enumerate(unsigned short, unsigned short) { return nullptr; }
void hid_free_enumeration(struct hid_device_info*) {}
hid_device* hid_open_path(const char*) { return reinterpret_cast<hid_device*>(&handleStorage); }
void hid_close(hid_device*) {}
int hid_send_feature_report(hid_device*, const unsigned char*, size_t length) { return static_cast<int>(length); }
int hid_get_feature_report(hid_device*, unsigned char* data, size_t length) {
  const size_t n = std::min<size_t>(length, static_cast<size_t>(staged.replyLength));
  std::copy_n(staged.reply.begin(), n, data);
  return staged.replyLength;
}
int hid_read_timeout(hid_device*, unsigned char*, size_t, int) { return staged.hungUp ? -1 : 0; }
}

namespace veltrax {
namespace {

class HidapiReplyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    staged = {};
    std::ofstream(node) << "";
    device = transport.Open(node.string()).device;
    ASSERT_NE(device, nullptr);
  }
  test::TempFolder folder{"veltrax-hidapi"};
  std::filesystem::path node = folder / "hidraw0";
  HidapiTransport transport;
  std::unique_ptr<HidDevice> device;
};

TEST_F(HidapiReplyTest, ShortReplyIsNoReplyAndLeavesTheRequest) {
  // A data command: its byte 7 is a data byte that happens to be 0xCC.
  const std::array<uint8_t, 8> request{4, 7, 1, 2, 3, 4, 5, 0xCC};
  staged.reply = {4, 7, 1, 2, 3, 4, 5, 0x00};
  std::array<uint8_t, 8> report = request;
  for (int length : {0, 1, 7}) {
    staged.replyLength = length;
    EXPECT_FALSE(device->GetFeature(report)) << length;
    EXPECT_EQ(report, request) << length;
  }
  staged.replyLength = 8;
  EXPECT_TRUE(device->GetFeature(report));
  EXPECT_EQ(report, staged.reply);
}

TEST_F(HidapiReplyTest, PresenceIsAskedOfTheSystemNotTheMouse) {
  EXPECT_TRUE(device->Present());
  staged.hungUp = true;
  EXPECT_FALSE(device->Present());
  staged.hungUp = false;
  std::filesystem::remove(node);
  EXPECT_FALSE(device->Present());
}

}  // namespace
}  // namespace veltrax
