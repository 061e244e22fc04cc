#include "macro/BaseMacroBinding.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "keys/ButtonAssigner.h"
#include "macro/MacroName.h"

namespace veltrax {
namespace {

using ::testing::ElementsAre;

MacroRecord Named(const char* name, uint8_t playMode = 0) {
  MacroRecord r;
  r.name = MacroNameStrToUnicode(name).value();
  r.content[0] = playMode;
  r.content[1] = 2;
  r.content[2] = 0xA1;
  r.content[3] = MacroChecksum(std::span(r.content).subspan(1, 2));
  return r;
}

// Profile A's buttons 2.. use the slots given; button 1 stays the Left Key.
ButtonCodeTexts CodesUsing(const std::set<int>& slots) {
  ButtonCodeTexts codes;
  codes.fill("050000");
  codes[0] = "010100";
  codes[9] = "010100";
  int button = 1;
  for (int slot : slots) codes[button++] = "060" + std::to_string(slot) + "21";
  return codes;
}

TEST(BaseMacroSlotTest, SlotChoiceFollowsTheRunAndGapRules) {
  struct Case {
    std::set<int> used;
    int slot;
  };
  const Case cases[] = {
      {{}, 1},           {{1, 2, 3}, 4},       {{1, 2, 3, 4, 5, 6, 7}, 8}, {{2, 3}, 1},     {{1, 3}, 2},
      {{1, 2, 4}, 3},    {{1, 2, 3, 5, 6}, 4}, {{1, 2, 3, 4, 6}, 5},      {{1, 2, 3, 4, 5, 7}, 6},
      {{1, 6}, 7},       {{3}, 1},             {{7}, 1},                  {{1, 7}, 2},     {{1, 2, 5}, 3},
      {{3, 4, 5}, 1},    {{2, 3, 4, 5, 6, 7}, 1},
  };
  const BaseMacroTable table;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.used));
    EXPECT_EQ(FindBaseMacroSlot(CodesUsing(c.used), Named("M").name, table), c.slot);
  }
}

TEST(BaseMacroSlotTest, AGaplessRunReusesTheOneSlotOfTheSameName) {
  BaseMacroTable table;
  table.records[1] = Named("Same");
  EXPECT_EQ(FindBaseMacroSlot(CodesUsing({1, 2, 3}), Named("Same").name, table), 2);
  EXPECT_EQ(FindBaseMacroSlot(CodesUsing({1, 2, 3, 4, 5, 6, 7}), Named("Same").name, table), 2);
  table.records[4] = Named("Same");  // two slots of that name: no reuse
  EXPECT_EQ(FindBaseMacroSlot(CodesUsing({1, 2, 3}), Named("Same").name, table), 4);
  table.records[4] = {};
  // With a gap, names are not compared.
  EXPECT_EQ(FindBaseMacroSlot(CodesUsing({1, 3}), Named("Same").name, table), 2);
}

TEST(BaseMacroSlotTest, StopModeCodesAndOnlyTheSlotAddressesCount) {
  ButtonCodeTexts codes = CodesUsing({});
  codes[3] = "0E0121";
  codes[12] = "060221";  // profile B counts too
  codes[4] = "060122";   // not a slot address
  codes[5] = "0600F0";   // the fire key
  EXPECT_EQ(FindBaseMacroSlot(codes, Named("M").name, BaseMacroTable{}), 3);
}

// The bind of the button menu's macro list: the assignment rules of the
// button functions with the library's macros and the base slots.
struct BaseMacroBindTest : ::testing::Test {
  void SetUp() override {
    ASSERT_EQ(library.AddNew("Burst"), LibraryRefusal::None);
    library.Record(0) = Named("Burst", kReleaseForStop);
    ASSERT_EQ(library.AddNew("New"), LibraryRefusal::None);
    library.Record(1) = Named("New");
  }
  std::optional<AssignOutcome> Bind(KeyProfile profile, int button, int row) {
    for (int i = 0; i < 18; ++i) {
      auto code = ParseCodeText(codes[i]).value();
      auto bytes = dataBuf.ButtonCode(i < 9 ? KeyProfile::ModeA : KeyProfile::ModeB, i % 9 + 1);
      bytes[0] = code.type, bytes[1] = code.data1, bytes[2] = code.data2;
    }
    ButtonAssigner assigner(texts, dataBuf, codes);
    return assigner.ChooseBaseMacro({profile, button, AssignSource::PageLabel}, row, slots);
  }

  MapTextTable texts{{{"Str210", "Left Key"}, {"Str108", "Please keep a Left Key"}}};
  MacroLibrary library;
  BaseMacroTable table;
  std::array<uint8_t, kMacroAreaBytes> area{};
  LibraryMacroSlots slots{library, table, area};
  DataBuf dataBuf;
  ButtonCodeTexts codes;
};

TEST_F(BaseMacroBindTest, BindingCopiesTheMacroIntoTheSlotAndSetsTheCode) {
  codes = CodesUsing({1, 2});
  auto r = Bind(KeyProfile::ModeB, 4, 0);
  ASSERT_TRUE(r);
  EXPECT_TRUE(r->accepted);
  EXPECT_EQ(r->shownName, "Burst");
  EXPECT_EQ(codes[12], "0E0321");
  EXPECT_THAT(dataBuf.ButtonCode(KeyProfile::ModeB, 4), ElementsAre(0x0E, 0x03, 0x21));
  EXPECT_EQ(table.names[2], "Burst");
  EXPECT_EQ(MacroRecord::FromBytes(std::span(area).subspan(0x200, kMacroRecordSize)), library.Record(0));
}

TEST_F(BaseMacroBindTest, TheSlotOfTheButtonBeingBoundCountsAsFree) {
  codes = CodesUsing({1, 2});  // button 3 plays slot 2
  auto r = Bind(KeyProfile::ModeA, 3, 1);
  ASSERT_TRUE(r);
  EXPECT_EQ(codes[2], "060221");
}

TEST_F(BaseMacroBindTest, NoFreeSlotChangesNothing) {
  codes = CodesUsing({1, 2, 3, 4, 5, 6, 7});
  codes[8] = "020304";
  const ButtonCodeTexts before = codes;
  EXPECT_FALSE(Bind(KeyProfile::ModeA, 9, 1));
  EXPECT_EQ(codes, before);
  EXPECT_EQ(area, (std::array<uint8_t, kMacroAreaBytes>{}));
}

TEST_F(BaseMacroBindTest, TheLastLeftKeyStaysAndNoSlotIsWritten) {
  codes = CodesUsing({});
  auto r = Bind(KeyProfile::ModeA, 1, 1);
  ASSERT_TRUE(r);
  EXPECT_FALSE(r->accepted);
  EXPECT_EQ(r->message, "Please keep a Left Key");
  EXPECT_EQ(codes[0], "010100");
  EXPECT_EQ(area, (std::array<uint8_t, kMacroAreaBytes>{}));
  EXPECT_EQ(table.names[0], "");
}

TEST(BaseMacroTableTest, InvalidContentsShowEmptyButKeepTheirNameAndAreaBytes) {
  std::array<uint8_t, kMacroAreaBytes> area{};
  Named("Good").WriteTo(std::span(area).first<kMacroRecordSize>());
  MacroRecord bad = Named("Bad");
  bad.content[3] ^= 1;
  bad.WriteTo(std::span(area).subspan(kMacroRecordSize).first<kMacroRecordSize>());
  std::fill_n(area.begin() + 2 * kMacroRecordSize, kMacroRecordSize, 0xFF);  // erased slot 3

  const auto before = area;
  BaseMacroTable table = ReadAndRefreshMacro(area);
  EXPECT_EQ(table.records[0], Named("Good"));
  EXPECT_EQ(table.records[1].content, MacroContent{});
  EXPECT_THAT(table.names, ::testing::ElementsAre("Good", "Bad", "", "", "", "", ""));
  EXPECT_EQ(area, before);

  std::array<uint8_t, kMacroAreaBytes> back{};
  RefreshBaseMacroBuf(table, back);
  EXPECT_EQ(MacroRecord::FromBytes(std::span(back).first(kMacroRecordSize)), Named("Good"));
}

}  // namespace
}  // namespace veltrax
