#include "resources/LanguageTable.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace veltrax {
namespace {

// UTF-16LE bytes of a UTF-8 text (BMP and astral characters).
std::vector<uint8_t> Utf16(const std::u16string& text, bool bom = true) {
  std::vector<uint8_t> bytes;
  if (bom) bytes = {0xFF, 0xFE};
  for (char16_t c : text) {
    bytes.push_back(static_cast<uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<uint8_t>(c >> 8));
  }
  return bytes;
}

TEST(LanguageTable, SplitsAtBlanksWithQuotesKeepingQuotedEntriesWhole) {
  const LanguageTable table = LanguageTable::Parse(
      Utf16(u"[lang1]\r\n\"Str000=Confirm\"\r\n\r\nStr001=Save Profile\r\n\"Str002=Load  Profile\"  "
            u"\"Str003=say \"\"hi\"\"\"\t\"str004 = padded \"\r\n"),
      "lang1");
  EXPECT_EQ(table.Text("Str000"), "Confirm");
  EXPECT_EQ(table.Text("Str001"), "Save");  // unquoted: the blank ends the item
  EXPECT_FALSE(table.Has("Profile"));
  EXPECT_EQ(table.Text("Str002"), "Load  Profile");
  EXPECT_EQ(table.Text("Str003"), "say \"hi\"");
  EXPECT_EQ(table.Text("STR004"), "padded");
  EXPECT_EQ(table.Text("sTr000"), "Confirm");
  EXPECT_EQ(table.Text("Str999"), "");
}

TEST(LanguageTable, KeepsOnlyItsOwnSectionAndTheFirstOfEqualKeys) {
  const LanguageTable table = LanguageTable::Parse(
      Utf16(u"\"Str000=before\" [other] \"Str001=other\" [LANG2] \"Str002=mine\" \"str002=again\" "
            u"\";Str003=comment\" \"Str004=\""),
      "lang2");
  EXPECT_FALSE(table.Has("Str000"));
  EXPECT_FALSE(table.Has("Str001"));
  EXPECT_EQ(table.Text("Str002"), "mine");
  EXPECT_FALSE(table.Has("Str003"));
  EXPECT_TRUE(table.Has("Str004"));
  EXPECT_EQ(table.Text("Str004"), "");
  EXPECT_EQ(table.size(), 2u);
}

TEST(LanguageTable, DecodesUtf16WithOrWithoutByteOrderMark) {
  const std::u16string text = u"[lang2] \"Title=KOVA7 遊戲滑鼠\" \"Str001=\U0001F5B1 mouse\"";
  for (bool bom : {true, false}) {
    const LanguageTable table = LanguageTable::Parse(Utf16(text, bom), "lang2");
    EXPECT_EQ(table.Text("Title"), "KOVA7 遊戲滑鼠");
    EXPECT_EQ(table.Text("Str001"), "\xF0\x9F\x96\xB1 mouse");
  }
}

TEST(LanguageTable, BrokenUnitsBecomeReplacementCharacters) {
  std::vector<uint8_t> bytes = Utf16(u"[lang1] \"Str000=a\xD800z\" \"Str001=b\xDC00\" \"Str002=c");
  bytes.push_back(0x41);  // odd last byte; the open quote runs to the end
  const LanguageTable table = LanguageTable::Parse(bytes, "lang1");
  EXPECT_EQ(table.Text("Str000"), "a\xEF\xBF\xBDz");
  EXPECT_EQ(table.Text("Str001"), "b\xEF\xBF\xBD");
  EXPECT_EQ(table.Text("Str002"), "c\xEF\xBF\xBD");
}

TEST(LanguageTable, AnyBytesGiveATable) {
  std::mt19937 random(7);
  for (int round = 0; round < 2000; ++round) {
    std::vector<uint8_t> bytes(random() % 200);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(random());
    const std::vector<uint8_t> head = Utf16(u"[lang1] \"", false);
    if (round % 3 == 0 && bytes.size() > head.size()) {
      std::copy(head.begin(), head.end(), bytes.begin());
    }
    const LanguageTable table = LanguageTable::Parse(bytes, "lang1");
    (void)table.Text("Str000");
  }
  EXPECT_EQ(LanguageTable::Parse({}, "lang1").size(), 0u);
}

TEST(FindTextId, TheLastMatchOverAllTablesWins) {
  const MapTextTable first(std::map<std::string, std::string>{{"Str251", "Stop"}, {"Str264", "Stop"}, {"Str401", "Stop"}, {"Str213", "Back"},
                            {"Str262", "Back"}, {"Str099", "Early"}, {"Str701", "Late"}});
  const MapTextTable second(std::map<std::string, std::string>{{"Str401", "停止記錄"}});
  const MapTextTable third(std::map<std::string, std::string>{{"Str213", "Back"}, {"Str262", "WWW Back"}});
  const std::vector<const TextTable*> tables = {&first, &second, &third};
  EXPECT_EQ(FindTextId("Stop", tables), "Str401");
  EXPECT_EQ(FindTextId("Back", tables), "Str213");
  EXPECT_EQ(FindTextId("停止記錄", tables), "Str401");
  EXPECT_EQ(FindTextId("Ctrl+Shift+A", tables), "");
  EXPECT_EQ(FindTextId("stop", tables), "");  // exact, with case
  EXPECT_EQ(FindTextId("Early", tables), "");  // outside Str100..Str700
  EXPECT_EQ(FindTextId("Late", tables), "");
  EXPECT_EQ(FindTextId("", tables), "");  // missing ids read empty but name nothing
}

}  // namespace
}  // namespace veltrax
