#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "device/DeviceLink.h"

namespace veltrax {
namespace {

// A system with hand-made HID interfaces; remembers which are open.
class FakeTransport final : public HidTransport {
 public:
  struct Entry {
    HidInterfaceInfo info;
    std::string openError = {};  // non-empty: the open fails with this reason
    bool denied = false;         // ... for want of permission
  };

  std::vector<HidInterfaceInfo> Enumerate() override {
    std::vector<HidInterfaceInfo> list;
    for (const Entry& e : entries) list.push_back(e.info);
    return list;
  }

  OpenResult Open(const std::string& path) override {
    for (const Entry& e : entries) {
      if (e.info.path != path) continue;
      if (!e.openError.empty()) return {nullptr, e.openError, e.denied};
      return {std::make_unique<Device>(*this, path), {}};
    }
    return {nullptr, "No such device"};
  }

  std::vector<Entry> entries;
  std::multiset<std::string> open;
  std::string lastSetPath;

 private:
  class Device final : public HidDevice {
   public:
    Device(FakeTransport& t, std::string path) : t_(t), path_(std::move(path)) { t_.open.insert(path_); }
    ~Device() override { t_.open.erase(t_.open.find(path_)); }
    bool SetFeature(std::span<const uint8_t>) override {
      t_.lastSetPath = path_;
      return true;
    }
    bool GetFeature(std::span<uint8_t> r) override {
      r[7] = kStatusDone;
      return true;
    }

   private:
    FakeTransport& t_;
    std::string path_;
  };
};

constexpr uint16_t kVid = 0x1111;
constexpr uint16_t kPid = 0x2222;

HidInterfaceInfo Interface(const std::string& path, uint16_t vid = kVid, uint16_t pid = kPid,
                           uint16_t release = 0x0104, int reportLength = 8) {
  return {path, vid, pid, release, reportLength};
}

class OpenDeviceTest : public ::testing::Test {
 protected:
  bool OpenServed() { return link.OpenDevice(kVid, kPid, kRequiredRelease); }

  FakeTransport transport;
  VirtualClock clock;
  DeviceLink link{transport, clock};
};

TEST_F(OpenDeviceTest, KeepsTheLastMatchAndClosesEveryOtherHandle) {
  transport.entries = {{Interface("keyboard", 0x0001, 0x0002)},
                       {Interface("first")},
                       {Interface("wrong-length", kVid, kPid, 0x0104, 9)},
                       {Interface("wrong-release", kVid, kPid, 0x0103)},
                       {Interface("second")},
                       {Interface("other-product", kVid, 0x3333)}};
  ASSERT_TRUE(OpenServed());
  EXPECT_EQ(transport.open, std::multiset<std::string>{"second"});
  EXPECT_EQ(link.VendorId(), kVid);
  EXPECT_EQ(link.ProductId(), kPid);
  EXPECT_EQ(link.ReportLength(), 8u);
  EXPECT_TRUE(link.SendCommand(Command::BeginTransactionCmd));
  EXPECT_EQ(transport.lastSetPath, "second");
}

TEST_F(OpenDeviceTest, NoMatchLeavesNoDeviceAndNoHandle) {
  transport.entries = {{Interface("wrong-length", kVid, kPid, 0x0104, 65)}, {Interface("mouse", 0x046D, 0xC077)}};
  EXPECT_FALSE(OpenServed());
  EXPECT_FALSE(link.IsOpen());
  EXPECT_TRUE(transport.open.empty());
  EXPECT_EQ(link.VendorId(), 0u);
}

TEST_F(OpenDeviceTest, MatchingInterfaceThatCannotOpenIsReportedWithItsReason) {
  transport.entries = {{Interface("/dev/hidraw3"), "Permission denied"}, {Interface("unrelated", 1, 2), "Busy"}};
  EXPECT_FALSE(OpenServed());
  ASSERT_EQ(link.OpenProblems().size(), 1u);
  EXPECT_EQ(link.OpenProblems()[0].path, "/dev/hidraw3");
  EXPECT_EQ(link.OpenProblems()[0].reason, "Permission denied");
}

// What keeps the mouse from being used is kept for the user: each path
// once, and a mouse of another release once for all its interfaces.
TEST_F(OpenDeviceTest, KeepsWhyTheMouseCannotBeUsed) {
  using Kind = OpenProblem::Kind;
  transport.entries = {{Interface("/dev/hidraw3"), "Permission denied", true},
                       {Interface("/dev/hidraw4"), "Device or resource busy"},
                       {Interface("/dev/hidraw5", kVid, kPid, 0x0105)},
                       {Interface("/dev/hidraw6", kVid, kPid, 0x0105, 0)},
                       {Interface("unrelated", 1, 2), "Permission denied", true}};
  EXPECT_FALSE(OpenServed());
  const std::vector<OpenProblem>& problems = link.OpenProblems();
  ASSERT_EQ(problems.size(), 3u);
  EXPECT_EQ(problems[0].kind, Kind::NoPermission);
  EXPECT_EQ(problems[0].path, "/dev/hidraw3");
  EXPECT_EQ(problems[1].kind, Kind::CannotOpen);
  EXPECT_EQ(problems[1].reason, "Device or resource busy");
  EXPECT_EQ(problems[2].kind, Kind::OtherRelease);
  EXPECT_EQ(problems[2].path, "/dev/hidraw5");
  EXPECT_EQ(problems[2].release, 0x0105);
  EXPECT_TRUE(transport.open.empty());

  transport.entries.push_back({Interface("/dev/hidraw7")});
  ASSERT_TRUE(OpenServed());
  EXPECT_TRUE(link.OpenProblems().empty());
}

TEST_F(OpenDeviceTest, CountsOnlyInterfacesThatOpen) {
  transport.entries = {{Interface("a")}, {Interface("b"), "Permission denied"}, {Interface("c", 5, 6)}};
  EXPECT_EQ(link.CountHidInterfaces(), 2);
  EXPECT_TRUE(transport.open.empty());
}

TEST_F(OpenDeviceTest, DroppingClosesTheHandleAndClearsTheIds) {
  transport.entries = {{Interface("only")}};
  ASSERT_TRUE(OpenServed());
  link.DropDevice();
  EXPECT_FALSE(link.IsOpen());
  EXPECT_TRUE(transport.open.empty());
  EXPECT_EQ(link.VendorId(), 0u);
  EXPECT_EQ(link.ProductId(), 0u);
}

}  // namespace
}  // namespace veltrax
