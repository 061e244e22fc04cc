#include "macro/MacroAreaImport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "common/SimulatedLinkTest.h"
#include "device/ServedModel.h"
#include "sim/SimulatedMouse.h"

namespace veltrax {
namespace {

using C = Command;

class MacroAreaImportTest : public test::SimulatedLinkTest {
 protected:
  void SetUp() override {
    for (int i = 0; i < kMacroAreaBytes; ++i) area[i] = static_cast<uint8_t>(i * 13 + 1);
    Open();
    mouse.ClearLog();
  }
  bool MouseHoldsArea() {
    return std::equal(area.begin(), area.end(), mouse.Memory().begin() + kMacroAreaAddress);
  }

  std::array<uint8_t, kMacroAreaBytes> area{};
};

TEST_F(MacroAreaImportTest, TheAreaIsWrittenAtAddress0x100AndReadBack) {
  EXPECT_EQ(WriteMacroArea(link, area), AreaImportOutcome::Written);
  EXPECT_TRUE(MouseHoldsArea());
  EXPECT_EQ(mouse.Memory()[kMacroAreaAddress - 1], 0xFF);  // nothing before the area
  const auto log = mouse.CommandLog();
  ASSERT_GE(log.size(), 4u);
  EXPECT_THAT(std::vector(log.begin(), log.begin() + 3),
              ::testing::ElementsAre(C::BeginTransactionCmd, C::StatusQueryCmd, C::WriteAddressCmd));
  EXPECT_EQ(Count(C::WriteDataCmd), 299u);
  EXPECT_EQ(Count(C::ReadDataCmd), 299u);
  EXPECT_THAT(std::vector(log.end() - 2, log.end()),
              ::testing::ElementsAre(C::SystemReloadCmd, C::EndTransactionCmd));
}

TEST_F(MacroAreaImportTest, ARejectedMouseGetsNothingWritten) {
  mouse.Faults().modelByte = 0x35;
  EXPECT_EQ(WriteMacroArea(link, area), AreaImportOutcome::Rejected);
  EXPECT_FALSE(MouseHoldsArea());
  EXPECT_EQ(Count(C::WriteAddressCmd), 0u);
  EXPECT_EQ(mouse.CommandLog().back(), C::EndTransactionCmd);
}

TEST_F(MacroAreaImportTest, AnAnswerWithoutTheMarkerEndsTheImportThere) {
  mouse.Faults().marker = 0x55;
  EXPECT_EQ(WriteMacroArea(link, area), AreaImportOutcome::NoAnswer);
  EXPECT_THAT(mouse.CommandLog(), ::testing::ElementsAre(C::BeginTransactionCmd, C::StatusQueryCmd));
}

TEST_F(MacroAreaImportTest, AByteThatReadsBackWrongIsReported) {
  mouse.Faults().stuckAddress = 0x345;
  EXPECT_EQ(WriteMacroArea(link, area), AreaImportOutcome::Differs);
}

TEST_F(MacroAreaImportTest, OnlyAnAreaReadBackWholeAndClosedCountsAsWritten) {
  struct Case {
    const char* name;
    void (*arm)(SimFaults&);
    AreaImportOutcome outcome;
  };
  const Case cases[] = {
      {"late answer, stored anyway", [](SimFaults& f) { f.dropReplies = 1, f.dropCommand = 7; },
       AreaImportOutcome::Refused},
      {"read-back answered late once", [](SimFaults& f) { f.dropReplies = 1, f.dropCommand = 5; },
       AreaImportOutcome::Written},
      {"end refused", [](SimFaults& f) { f.rejectReplies = 5, f.rejectCommand = 2; }, AreaImportOutcome::EndRefused},
      {"unplugged", [](SimFaults& f) { f.unplugAfter = 100; }, AreaImportOutcome::Unplugged},
  };
  for (const Case& c : cases) {
    SimulatedMouse fresh;
    DeviceLink freshLink(fresh, clock);
    ASSERT_TRUE(freshLink.OpenDevice(kServedVendorId, kServedProductId, kRequiredRelease));
    c.arm(fresh.Faults());
    EXPECT_EQ(WriteMacroArea(freshLink, area), c.outcome) << c.name;
  }
}

TEST(MacroAreaFileTest, OnlyAWholeMacroAreaIsTaken) {
  EXPECT_FALSE(MacroAreaOfFile(std::vector<uint8_t>(1791)));
  EXPECT_FALSE(MacroAreaOfFile(std::vector<uint8_t>(2048, 0xFF)));
  auto area = MacroAreaOfFile(std::vector<uint8_t>(1792, 0xFF));
  ASSERT_TRUE(area);
  EXPECT_EQ(area.value().size(), 1792u);
}

}  // namespace
}  // namespace veltrax
