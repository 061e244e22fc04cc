#include <gtest/gtest.h>

#include "EnglishTexts.h"
#include "keys/FunctionEntries.h"
#include "keys/KeyFunctionName.h"

namespace veltrax {
namespace {

class KeyFunctionNameTest : public ::testing::Test {
 protected:
  std::string Name(std::string_view codeText) const { return KeyFunctionName(codeText, texts, macros); }

  MapTextTable texts = test::EnglishTexts();
  BaseMacroNames macros{"Combo One", "Reload", "", "", "", "", "Last Slot"};
};

TEST_F(KeyFunctionNameTest, EveryOfferedCodeNamesAsListed) {
  const std::pair<const char*, const char*> cases[] = {
      {"010100", "Left Key"},     {"010200", "Right Key"},      {"010400", "Middle Key"},
      {"010800", "Back"},         {"011000", "Forward"},        {"0600F0", "Fire Key"},
      {"090000", "LED Switch"},   {"0A0000", "AIM Key"},        {"000000", "Key Off"},
      {"0F0000", "KB Switch Key"}, {"100000", "LED Switch Key"}, {"050000", "DPI Loop"},
      {"070000", "DPI +"},        {"080000", "DPI -"},          {"030194", "My Computer"},
      {"030192", "Calculator"},   {"03018A", "E-Mail"},         {"020807", "Desktop"},
      {"0300CD", "Play/Pause"},   {"0300B7", "Stop"},           {"0300B6", "Previous Track"},
      {"0300B5", "Next Track"},   {"0300E9", "Volume +"},       {"0300EA", "Volume -"},
      {"0300E2", "Mute"},         {"030223", "Home"},           {"030221", "Search"},
      {"030224", "Back"},         {"030225", "Forward"},        {"030226", "Stop"},
      {"030227", "Refresh"},      {"03022A", "Favorites"},
  };
  for (const auto& [code, name] : cases) EXPECT_EQ(Name(code), name) << code;
}

TEST_F(KeyFunctionNameTest, CombinationsSpellTheirModifiersAndKey) {
  const std::pair<const char*, const char*> cases[] = {
      {"020304", "Ctrl+Shift+A"},
      {"020100", "Ctrl+"},
      {"02003A", "F1"},
      {"020F00", "Ctrl+Shift+Alt+Win+"},
      {"02F004", "A"},  // bits 4 to 7 add nothing
      {"0204E3", "Alt+Win"},
      {"020000", ""},
      {"0200FF", ""},  // a usage no key gives
  };
  for (const auto& [code, name] : cases) EXPECT_EQ(Name(code), name) << code;
}

TEST_F(KeyFunctionNameTest, MacroCodesNameTheirBaseSlot) {
  EXPECT_EQ(Name("060121"), "Combo One");
  EXPECT_EQ(Name("0E0221"), "Reload");
  EXPECT_EQ(Name("060721"), "Last Slot");
  EXPECT_EQ(Name("060321"), "");  // an empty slot
  EXPECT_EQ(Name("060122"), "");
  EXPECT_EQ(Name("060821"), "");
  EXPECT_EQ(Name("0E00F0"), "");  // only the 06 form is the fire key
}

TEST_F(KeyFunctionNameTest, UnnamedCodesShowNothing) {
  for (const char* code : {"0A0500", "0A0A00"}) EXPECT_EQ(Name(code), "AIM Key");
  for (const char* code : {"0D0000", "0C0101", "0C0607", "0C080A", "0C0000", "0B0000", "FF0000", "010300", "040000",
                           "0a0500", "0e0121", "03018a", "", "0101", "0101000", "01010G"}) {
    EXPECT_EQ(Name(code), "") << code;
  }
}

TEST_F(KeyFunctionNameTest, NamesFollowTheLanguageTable) {
  texts.Set("Str231", "CPI Loop");
  texts.Set("Str262", "WWW Back");
  texts.Set("Str600", "Fire One");  // no shipped table has it, but it is looked up
  EXPECT_EQ(Name("050000"), "CPI Loop");
  EXPECT_EQ(Name("030224"), "WWW Back");
  EXPECT_EQ(Name("0C0101"), "Fire One");
  EXPECT_EQ(Name("010800"), "Back");
}

TEST(MenuEntryCodeTest, EntryIdsGiveTheirCodes) {
  const std::pair<int, const char*> cases[] = {
      {900, "010100"},  {901, "010200"},  {902, "010400"},  {903, "010800"},  {904, "011000"},
      {1000, "0600F0"}, {1001, "090000"}, {1003, "0D0000"}, {1004, "000000"}, {1005, "0F0000"},
      {1006, "100000"}, {2000, "050000"}, {2001, "070000"}, {2002, "080000"}, {1300, "0300CD"},
      {1301, "0300B7"}, {1302, "0300B6"}, {1303, "0300B5"}, {1304, "0300E9"}, {1305, "0300EA"},
      {1306, "0300E2"}, {1400, "030223"}, {1401, "030221"}, {1402, "030224"}, {1403, "030225"},
      {1404, "030226"}, {1405, "030227"}, {1406, "03022A"}, {1100, "030194"}, {1101, "030192"},
      {1102, "03018A"}, {1103, "020807"},
  };
  for (const auto& [id, code] : cases) EXPECT_EQ(MenuEntryCode(id, 7), code) << id;
  EXPECT_EQ(MenuEntryCode(1002, 0), "0A0000");
  EXPECT_EQ(MenuEntryCode(1002, 10), "0A0A00");
  for (int id : {0, 899, 905, 1007, 1200, 1307, 2003, -1}) EXPECT_EQ(MenuEntryCode(id, 0), "") << id;
}

TEST(KeyFunctionCodeTest, CodeTextsRoundTripUpperCase) {
  EXPECT_EQ(CodeText({0x0A, 0x05, 0x00}), "0A0500");
  EXPECT_EQ(ParseCodeText("0E0721"), (KeyFunctionCode{0x0E, 0x07, 0x21}));
  EXPECT_EQ(ParseCodeText("0e0721"), std::nullopt);
  EXPECT_EQ(BaseMacroCode(3, 0), (KeyFunctionCode{0x06, 0x03, 0x21}));
  EXPECT_EQ(BaseMacroCode(7, 1), (KeyFunctionCode{0x0E, 0x07, 0x21}));
  EXPECT_EQ(BaseMacroSlotOf({0x0E, 0x05, 0x21}), 5);
  EXPECT_EQ(BaseMacroSlotOf({0x0A, 0x05, 0x21}), std::nullopt);
}

}  // namespace
}  // namespace veltrax
