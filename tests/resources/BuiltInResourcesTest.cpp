#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <QRect>
#include <array>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "resources/BuiltInTexts.h"
#include "resources/LayoutKeys.h"

namespace veltrax {
namespace {

constexpr int kWidth = 1030;
constexpr int kHeight = 662;

TEST(BuiltInLanguages, EveryTableHoldsTheSameKeys) {
  for (int n = 1; n <= 3; ++n) {
    const LanguageTable table = LoadLanguageTable(n);
    EXPECT_EQ(table.size(), 129u) << n;
    EXPECT_TRUE(table.Has("Str101")) << n;
    EXPECT_FALSE(table.Has("Str223")) << n;
    for (int id = 600; id <= 606; ++id) EXPECT_FALSE(table.Has("Str" + std::to_string(id)));
    for (int i = 0; i <= 10; ++i) {
      const char* dpi[] = {"500", "800", "1000", "1200", "1600", "2000", "2400", "3200", "4000", "4800", "6400"};
      EXPECT_EQ(table.Text("Str" + std::to_string(300 + i)), dpi[i]);
    }
    EXPECT_EQ(table.Text("Str200"), "*");
  }
  EXPECT_EQ(LoadLanguageTable(0).size(), 0u);
  EXPECT_EQ(LoadLanguageTable(4).size(), 0u);
}

TEST(BuiltInLanguages, HeadsAndWordingsOfEachTable) {
  const std::array<LanguageTable, 3> t = {LoadLanguageTable(1), LoadLanguageTable(2), LoadLanguageTable(3)};
  EXPECT_EQ(t[0].Text("FontName"), "Arial Narrow");
  EXPECT_EQ(t[0].Text("Title"), "KOVA7 Gaming mouse");
  EXPECT_EQ(t[1].Text("FontName"), "Microsoft JhengHei");
  EXPECT_EQ(t[1].Text("Title"), "KOVA7 遊戲滑鼠");
  EXPECT_EQ(t[2].Text("FontName"), "Arial");
  EXPECT_EQ(t[2].Text("Title"), "BRAVIK-QN512");
  EXPECT_EQ(t[0].Text("Str700"), "Press 'Middle Key' 3s Switch Mode A/Mode B");
  EXPECT_EQ(t[0].Text("Str100"), "Waiting to reconnect device");
  EXPECT_EQ(t[0].Text("Str433"), "Delect Macro");
  EXPECT_EQ(t[0].Text("Str101"), "");
  EXPECT_EQ(t[2].Text("Str101"), "");
  EXPECT_FALSE(t[1].Text("Str101").empty());
  EXPECT_EQ(t[1].Text("Str210"), "左鍵");
  EXPECT_EQ(t[1].Text("Str401"), "停止記錄");
  // lang3 differs from lang1 in these keys only.
  const std::array<std::pair<const char*, const char*>, 9> variant = {{{"Str011", "Japanese"},
      {"Str012", "Language2"}, {"Str013", "English"}, {"Str230", "CPI Key"}, {"Str231", "CPI Loop"},
      {"Str232", "CPI +"}, {"Str233", "CPI -"}, {"Str262", "WWW Back"}, {"Str263", "WWW Forward"}}};
  int differing = 0;
  for (int id = 0; id <= 999; ++id) {
    char key[8];
    std::snprintf(key, sizeof key, "Str%03d", id);
    if (t[0].Text(key) != t[2].Text(key)) ++differing;
    EXPECT_EQ(t[0].Has(key), t[1].Has(key)) << key;
    EXPECT_EQ(t[0].Has(key), t[2].Has(key)) << key;
  }
  EXPECT_EQ(differing, 9);
  for (const auto& [key, text] : variant) EXPECT_EQ(t[2].Text(key), text);
}

TEST(BuiltInLanguages, CaptionsRetranslateThroughTheLastMatchingId) {
  const std::array<LanguageTable, 3> t = {LoadLanguageTable(1), LoadLanguageTable(2), LoadLanguageTable(3)};
  const std::array<const TextTable*, 3> all = {&t[0], &t[1], &t[2]};
  EXPECT_EQ(FindTextId("Stop", all), "Str401");
  EXPECT_EQ(t[1].Text(FindTextId("Stop", all)), "停止記錄");
  EXPECT_EQ(FindTextId("Back", all), "Str213");
  EXPECT_EQ(t[1].Text(FindTextId("Left Key", all)), "左鍵");
  EXPECT_EQ(t[0].Text(FindTextId("左鍵", all)), "Left Key");
  EXPECT_EQ(FindTextId("Ctrl+Shift+A", all), "");
}

TEST(BuiltInLayouts, EveryLayoutHoldsEveryKey) {
  // The key list itself: 408 distinct keys, groups A to M in their order.
  const std::span<const std::string_view> keys = AllLayoutKeys();
  EXPECT_EQ(std::set<std::string_view>(keys.begin(), keys.end()).size(), 408u);
  ASSERT_EQ(keys.size(), 408u);
  EXPECT_EQ(keys.front(), "Size_A");
  EXPECT_EQ(keys[28], "Size_B");
  EXPECT_EQ(keys.back(), "NorLED_Close_Y");
  for (int n = 1; n <= 3; ++n) {
    const Result<LayoutTable> layout = LoadLayout(n);
    ASSERT_TRUE(layout.ok()) << layout.error().context;
    EXPECT_EQ(layout.value().MissingKeys(AllLayoutKeys()), std::vector<std::string>()) << n;
  }
  EXPECT_FALSE(LoadLayout(4).ok());
}

TEST(BuiltInLayouts, ShippedValues) {
  for (int n = 1; n <= 3; ++n) {
    const LayoutTable layout = LoadLayout(n).value();
    auto visible = [&](const std::string& name) { return layout.Place(name, kWidth, kHeight).visible; };
    EXPECT_EQ(layout.Int("Btn_A1_X"), 2640);
    EXPECT_TRUE(layout.Place("Btn_A1", kWidth, kHeight).enabled);
    EXPECT_FALSE(visible("Btn_A1"));
    for (const char* shown : {"Btn_A2", "Btn_A8", "Btn_A3", "Btn_A7", "Btn_A4", "Btn_B1", "Btn_B2", "Btn_B4",
                              "Btn_B5", "Btn_B11", "Btn_B6", "Btn_B7", "Btn_B8", "Btn_B9", "Btn_B10"}) {
      EXPECT_TRUE(visible(shown)) << n << " " << shown;
    }
    for (int k = 1; k <= 9; ++k) EXPECT_EQ(visible("Key" + std::to_string(k)), k <= 6) << k;
    EXPECT_FALSE(visible("ComboKey1"));
    EXPECT_FALSE(visible("ComboKey2"));
    EXPECT_EQ(layout.Int("DPI_Count_Visible"), n == 1 ? 0 : 1);
    for (const char* row : {"DPI7", "DPI7_Steps", "AIMKey", "AIMKey_Steps", "DPI1_Color", "DPI6_Color"}) {
      EXPECT_FALSE(visible(row)) << n << " " << row;
      EXPECT_GE(layout.Int(std::string(row) + "_Y").value(), n == 1 ? 2000 : 1100) << n << " " << row;
    }
    EXPECT_TRUE(visible("DPI6_Steps"));
    EXPECT_EQ(layout.Int("Size_K"), 9);
    EXPECT_EQ(layout.Color("Color_K"), 0xFFFFFFu);
    EXPECT_EQ(layout.Color("Color_K_AK"), 0u);
    EXPECT_EQ(layout.Int("AKC_W"), 240);
    EXPECT_EQ(layout.Int("MK_W_X"), 320);
    EXPECT_EQ(layout.Int("AK_Close_X"), 470);
  }
}

TEST(BuiltInLayouts, ShownButtonsFitTheWindowWithoutOverlapping) {
  struct Control {
    std::string name;
    QSize size;
  };
  std::vector<Control> controls;
  for (const char* b : {"Btn_A1", "Btn_A2", "Btn_A8", "Btn_A3", "Btn_A5", "Btn_A6"}) controls.push_back({b, {110, 27}});
  for (const char* b : {"Btn_A7", "Btn_A4"}) controls.push_back({b, {20, 20}});
  for (const char* b : {"Btn_B1", "Btn_B2", "Btn_B4", "Btn_B5", "Btn_B11", "Btn_B6", "Btn_B7", "Btn_B8", "Btn_B9",
                        "Btn_B10"}) {
    controls.push_back({b, {110, 30}});
  }
  for (int k = 1; k <= 9; ++k) controls.push_back({"Key" + std::to_string(k), {170, 27}});
  for (int n = 1; n <= 3; ++n) {
    const LayoutTable layout = LoadLayout(n).value();
    std::vector<std::pair<std::string, QRect>> shown;
    for (const Control& c : controls) {
      const Placement place = layout.Place(c.name, kWidth, kHeight);
      if (place.visible) shown.emplace_back(c.name, QRect(QPoint(place.x, place.y), c.size));
    }
    for (size_t i = 0; i < shown.size(); ++i) {
      EXPECT_TRUE(QRect(0, 0, kWidth, kHeight).contains(shown[i].second)) << n << " " << shown[i].first;
      for (size_t j = i + 1; j < shown.size(); ++j) {
        EXPECT_FALSE(shown[i].second.intersects(shown[j].second)) << shown[i].first << " " << shown[j].first;
      }
    }
  }
}

TEST(BuiltInOptions, ShippedValues) {
  const Result<GlobalOptions> options = LoadGlobalOptions();
  ASSERT_TRUE(options.ok()) << options.error().context;
  const GlobalOptions& o = options.value();
  EXPECT_EQ(o.webEnable, 0);
  EXPECT_FALSE(o.web.empty());
  EXPECT_EQ(o.webX, 1050);
  EXPECT_EQ(o.webY, 1575);
  EXPECT_EQ(o.revManuId, 0);
  EXPECT_EQ(o.revProId, 0);
  EXPECT_EQ(o.path, "");
  EXPECT_TRUE(o.RollingCaptions());
  EXPECT_TRUE(o.SliderBars());
  EXPECT_EQ(o.numOrder, 0);
}

TEST(BuiltInResources, UnknownNamesAreNotFound) {
  const Result<std::vector<uint8_t>> missing = ReadResource("NoSuchPicture");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().kind, ErrorKind::NotFound);
}

}  // namespace
}  // namespace veltrax
