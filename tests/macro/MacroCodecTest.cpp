#include "macro/MacroCodec.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/FileIo.h"
#include "macro/MacroName.h"

namespace veltrax {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

MacroContent ContentOf(std::vector<uint8_t> events, uint8_t mode = 0) {
  MacroRowList rows{"00", {}};
  MacroContent c{};
  c[0] = mode;
  c[1] = static_cast<uint8_t>(events.size() + 1);
  std::copy(events.begin(), events.end(), c.begin() + 2);
  c[events.size() + 2] = MacroChecksum(std::span(c).subspan(1, events.size() + 1));
  return c;
}

std::vector<std::string> Shown(const std::vector<std::string>& rows) {
  std::vector<std::string> shown;
  for (const auto& r : rows) shown.push_back(ShownText(r));
  return shown;
}

struct DelayCase {
  int ms;
  std::vector<uint8_t> bytes;
  std::vector<std::string> readBack;
};

TEST(MacroCodecTest, DelaysEncodeInEightMillisecondUnitsAndReadBackInRuns) {
  const DelayCase cases[] = {
      {50, {0xFE, 0x06}, {"48 ms"}},
      {0, {0xFE, 0x00}, {"0 ms"}},
      {2040, {0xFE, 0xFF}, {"2040 ms"}},
      {2041, {0xFE, 0xFF, 0xFE, 0x00}, {"2040 ms"}},
      {5000, {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x73}, {"5000 ms"}},
  };
  for (const DelayCase& c : cases) {
    SCOPED_TRACE(c.ms);
    EXPECT_EQ(EncodeRowEvents({DelayRow(c.ms)}), c.bytes);
    auto content = EncodeMacroRows({"10", {DelayRow(c.ms)}}, 0);
    ASSERT_TRUE(content);
    EXPECT_EQ(Shown(DecodeMacroContent(*content).rows.rows), c.readBack);
  }
}

TEST(MacroCodecTest, SixFullDelayPairsReadBackAsTwoRows) {
  std::vector<uint8_t> events;
  for (int i = 0; i < 6; ++i) {
    events.push_back(0xFE);
    events.push_back(0xFF);
  }
  EXPECT_THAT(DecodeMacroContent(ContentOf(events)).rows.rows, ElementsAre("0 10200", "0 2040"));
}

TEST(MacroCodecTest, ChecksumAndLayoutOfAOneKeyContent) {
  auto content = EncodeMacroRows({"00", {KeyRow(true, "A", 0x04)}}, kReleaseForStop);
  ASSERT_TRUE(content);
  EXPECT_THAT(std::span(*content).first(5), ElementsAre(0x01, 0x03, 0x82, 0x04, 0xD3));
  EXPECT_TRUE(std::all_of(content->begin() + 5, content->end(), [](uint8_t b) { return b == 0; }));
  EXPECT_TRUE(IsValidMacroContent(*content));
  (*content)[3] = 0x05;
  EXPECT_FALSE(IsValidMacroContent(*content));
}

TEST(MacroCodecTest, EmptyRowsGiveAnAllZeroContentThatShowsNothing) {
  auto content = EncodeMacroRows({"10", {}}, kReleaseForStop);
  ASSERT_TRUE(content);
  EXPECT_EQ(*content, MacroContent{});
  EXPECT_FALSE(IsValidMacroContent(*content));
  EXPECT_TRUE(DecodeMacroContent(*content).rows.rows.empty());
}

TEST(MacroCodecTest, EveryRowKindSurvivesEncodeAndDecode) {
  const std::vector<std::string> rows = {
      ModifierRow(true, "Ctrl", 0x01),   KeyRow(true, "A", 0x04),         KeyRow(false, "A", 0x04),
      ModifierRow(false, "Ctrl", 0x01),  ButtonRow(true, MouseButton::Left), ButtonRow(false, MouseButton::Left),
      ButtonRow(true, MouseButton::Backward), ButtonRow(false, MouseButton::Forward), XRow(-12), XRow(0), YRow(127),
      YRow(-128),                        RepeatStartRow(10),               RepeatEndRow(),  DelayRow(48),
  };
  auto content = EncodeMacroRows({"10", rows}, 0);
  ASSERT_TRUE(content);
  EXPECT_THAT(EncodeRowEvents(rows),
              ElementsAreArray({0x81, 0x01, 0x82, 0x04, 0x02, 0x04, 0x01, 0x01, 0xA1, 0x21, 0xB0, 0x28, 0xFB, 0xF4,
                                0xFB, 0x00, 0xFA, 0x7F, 0xFA, 0x80, 0xFD, 0x09, 0xFC, 0xFE, 0x06}));
  EXPECT_EQ(DecodeMacroContent(*content).rows.rows, rows);
  EXPECT_THAT(Shown(rows), ElementsAre("Ctrl", "A", "A", "Ctrl", "LeftKey", "LeftKey", "Backward", "Forward",
                                       "X-Axis  -12", "X-Axis  0", "Y-Axis  127", "Y-Axis  -128", "Rep-Start  10",
                                       "Rep-Stop", "48 ms"));
}

TEST(MacroCodecTest, RowTextsFollowTheirFixedForms) {
  EXPECT_EQ(ModifierRow(true, "Shift", 0x02), "1 Shift CODE:8102");
  EXPECT_EQ(ModifierRow(false, "Right Windows", 0x80), "2 Right Windows CODE:0180");
  EXPECT_EQ(KeyRow(false, "Z", 0x1D), "2 Z CODE:021D");
  EXPECT_EQ(ButtonRow(true, MouseButton::Middle), "1 MiddleKey CODE:00A4");
  EXPECT_EQ(ButtonRow(false, MouseButton::Backward), "2 Backward CODE:0030");
  EXPECT_EQ(XRow(-5), "4 FBFB");
  EXPECT_EQ(YRow(12), "5 FA0C");
  EXPECT_EQ(RepeatStartRow(10), "7 FD09");
  EXPECT_EQ(RepeatEndRow(), "8 00FC");
  EXPECT_EQ(DelayRow(300), "0 300");
}

TEST(MacroCodecTest, StoredUsagesAreNamedByTheCatalogueAndModifierMasksByTheirKeys) {
  auto decoded = DecodeMacroContent(ContentOf({0x82, 0xE3, 0x81, 0x03, 0x81, 0x80, 0x02, 0x64}));
  EXPECT_THAT(decoded.rows.rows,
              ElementsAre("1 Win CODE:82E3", "1 Ctrl+Shift CODE:8103", "1 Right Windows CODE:8180", "2  CODE:0264"));
}

TEST(MacroCodecTest, DelayModeIsInferredFromTheFirstFourDelayTotals) {
  struct Case {
    std::vector<uint8_t> events;
    DelayMode mode;
    std::string header;
  };
  const Case cases[] = {
      {{0x82, 0x04, 0x02, 0x04}, DelayMode::None, "00"},
      {{0xFE, 0x00, 0xA1, 0xFE, 0x00, 0x21}, DelayMode::None, "00"},
      {{0xFE, 0x06, 0xA1, 0xFE, 0x06, 0x21, 0xFE, 0x06, 0xA1, 0xFE, 0x06, 0x21, 0xFE, 0x01}, DelayMode::Default,
       "0148"},
      {{0xFE, 0x06, 0xA1, 0xFE, 0x06, 0x21, 0xFE, 0x06}, DelayMode::Record, "10"},
      {{0xFE, 0x06, 0xA1, 0xFE, 0x07, 0x21, 0xFE, 0x06, 0xA1, 0xFE, 0x06}, DelayMode::Record, "10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    auto decoded = DecodeMacroContent(ContentOf(c.events));
    EXPECT_EQ(decoded.delayMode, c.mode);
    EXPECT_EQ(decoded.rows.header, c.header);
  }
}

TEST(MacroCodecTest, PlayModeComesFromByteZeroWhenItIsZeroOrOne) {
  EXPECT_EQ(DecodeMacroContent(ContentOf({0xA1}, 1)).playMode, std::optional<uint8_t>(1));
  EXPECT_EQ(DecodeMacroContent(ContentOf({0xA1}, 0)).playMode, std::optional<uint8_t>(0));
  EXPECT_EQ(DecodeMacroContent(ContentOf({0xA1}, 7)).playMode, std::nullopt);
}

TEST(MacroCodecTest, OutsideContentsNeverLeadPastTheirLastByte) {
  MacroContent c{};
  c.fill(0xA1);
  c[1] = 0xF0;  // claims more bytes than a content has
  EXPECT_EQ(DecodeMacroContent(c).rows.rows.size(), 222u);

  c.fill(0xFE);  // a delay run whose last pair is cut by the end of the content
  c[1] = 0xFE;
  auto rows = DecodeMacroContent(c).rows.rows;
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.size(), 23u);  // 111 whole pairs in runs of five

  c[1] = 0xFF;
  EXPECT_TRUE(DecodeMacroContent(c).rows.rows.empty());
  c[1] = 0x04;  // a delay pair, then a delay code on the last event byte
  EXPECT_THAT(DecodeMacroContent(c).rows.rows, ElementsAre("0 2032"));
}

TEST(MacroCodecTest, EventsBeyondTwoHundredTwentyOneBytesCannotBeStored) {
  std::vector<std::string> rows(221, ButtonRow(true, MouseButton::Left));
  EXPECT_TRUE(EncodeMacroRows({"00", rows}, 0));
  rows.push_back(ButtonRow(false, MouseButton::Left));
  EXPECT_FALSE(EncodeMacroRows({"00", rows}, 0));
}

TEST(MacroCodecTest, AHandWrittenMacroFileDecodesToItsRowsAndBack) {
  auto bytes = ReadWholeFile(std::string(VELTRAX_TEST_DATA) + "/macro/burst.bin");
  ASSERT_TRUE(bytes) << bytes.error().context;
  const MacroRecord record = MacroRecord::FromBytes(bytes.value());
  EXPECT_EQ(MacroNameText(record.name), "Burst");
  EXPECT_TRUE(IsValidMacroContent(record.content));
  DecodedMacro decoded = DecodeMacroContent(record.content);
  EXPECT_EQ(decoded.playMode, std::optional<uint8_t>(kReleaseForStop));
  EXPECT_EQ(decoded.rows.header, "10");
  EXPECT_THAT(Shown(decoded.rows.rows),
              ElementsAre("Ctrl", "48 ms", "A", "3000 ms", "A", "Ctrl", "LeftKey", "LeftKey", "X-Axis  -12",
                          "Y-Axis  12", "Rep-Start  10", "Rep-Stop", "Backward", "Backward"));
  EXPECT_EQ(EncodeMacroRows(decoded.rows, kReleaseForStop), std::optional(record.content));
}

}  // namespace
}  // namespace veltrax
