#include "resources/EngineerCaptionTable.h"

#include <gtest/gtest.h>

#include <set>

namespace veltrax {
namespace {

TEST(EngineerCaptionTable, HoldsEveryRowInBothLanguages) {
  const std::pair<int, const char*> english[] = {
      {0x00, "Mode A"},         {0x16, "Fire Function"}, {0x32, "Mode 1"},      {0x38, "Mode 7"},
      {0x39, "LED Step:"},      {0x3D, "Mode1 B::"},     {0x49, "0°"},          {0x4C, "270°"},
      {0x54, "CPI 1:"},         {0x5A, "CPI 7:"},        {0x5B, "AIM Key:"},    {0x66, "Macro1 R:"},
      {0x83, "Macro10 B:"},     {0x84, "Fire Macro Y Offset"}, {0x85, "Macro1 Y Offset:"},
      {0x8E, "Macro10 Y Offset:"}, {0x8F, "Notes: "}};
  for (const auto& [id, text] : english) EXPECT_EQ(EngineerCaption(id, 0), text) << id;
  EXPECT_EQ(EngineerCaption(0x16, 2), "压枪功能");
  std::set<std::string> chinese;
  for (int id = 0; id < kEngineerCaptionRows; ++id) {
    ASSERT_TRUE(EngineerCaption(id, 2).has_value());
    EXPECT_FALSE(EngineerCaption(id, 2)->empty()) << id;
    EXPECT_EQ(EngineerCaption(id, 1), "");
    chinese.insert(*EngineerCaption(id, 2));
  }
  EXPECT_GT(chinese.size(), 130u);  // rows are translated, not copied
}

TEST(EngineerCaptionTable, UnknownRowsAndColumnsGiveNothing) {
  EXPECT_EQ(EngineerCaption(-1, 0), std::nullopt);
  EXPECT_EQ(EngineerCaption(kEngineerCaptionRows, 0), std::nullopt);
  EXPECT_EQ(EngineerCaption(0, 3), std::nullopt);
}

TEST(EngineerCaptionTable, OnlyAChinesePrcLocaleSelectsTheChineseColumn) {
  const std::pair<const char*, int> cases[] = {
      {"zh_CN", 2}, {"zh-CN", 2}, {"zh_CN.UTF-8", 2}, {"zh_Hans_CN", 2}, {"zh_TW", 0},
      {"zh_HK", 0}, {"en_US", 0}, {"C", 0},           {"", 0},           {"zh", 0}};
  for (const auto& [locale, column] : cases) EXPECT_EQ(EngineerCaptionColumnForLocale(locale), column) << locale;
}

}  // namespace
}  // namespace veltrax
