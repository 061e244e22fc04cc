#include <gtest/gtest.h>

#include <map>

#include "base/FileIo.h"
#include "common/TempFolder.h"
#include "settings/FilePointerStore.h"
#include "settings/PointerSettings.h"

namespace veltrax {
namespace {

using namespace pointer_value;

// Values as text, as the desktop keeps them; a group may fail to open.
class MapStore final : public PointerStore {
 public:
  bool Opens(PointerGroup group) const override { return group == PointerGroup::Mouse ? mouseOpens : desktopOpens; }
  std::optional<int> Read(std::string_view name) const override {
    auto it = values.find(std::string(name));
    if (it == values.end()) return std::nullopt;
    try {
      return std::stoi(it->second);
    } catch (...) {
      return std::nullopt;
    }
  }
  void Write(std::string_view name, int value) override { values[std::string(name)] = std::to_string(value); }
  Status Apply() override {
    ++applies;
    return Success();
  }
  std::string Where(PointerGroup) const override { return "memory"; }

  std::map<std::string, std::string> values;
  bool mouseOpens = true;
  bool desktopOpens = true;
  int applies = 0;
};

TEST(PointerSettings, StoredValuesReadBackIntoSteps) {
  const std::pair<int, int> sensitivity[] = {{0, 1},  {1, 1},  {2, 2},  {5, 3},   {9, 5},  {10, 6}, {11, 6},
                                             {12, 7}, {15, 8}, {19, 10}, {20, 11}, {21, 6}, {-4, 6}};
  for (auto [value, step] : sensitivity) EXPECT_EQ(SensitivityStep(value), step) << value;
  const std::pair<int, int> doubleClick[] = {{1200, 1}, {900, 1}, {899, 2}, {550, 6}, {500, 7},
                                             {480, 7},  {479, 8}, {270, 10}, {269, 11}, {0, 11}};
  for (auto [ms, step] : doubleClick) EXPECT_EQ(DoubleClickStep(ms), step) << ms;
  const std::pair<int, int> scroll[] = {{0, 3}, {3, 3}, {1, 1}, {10, 10}, {11, 11}, {15, 11}, {-7, 11}};
  for (auto [lines, step] : scroll) EXPECT_EQ(ScrollStep(lines), step) << lines;
}

TEST(PointerSettings, RefreshShowsTheStoreAndUnreadableValuesTakeTheirFallbacks) {
  MapStore store;
  store.values = {{"MouseSensitivity", "10"}, {"MouseSpeed", "0"}, {"MouseThreshold1", "0"},
                  {"MouseThreshold2", "6"},   {"DoubleClickSpeed", "500"}, {"WheelScrollLines", "0"}};
  PointerSettings settings;
  settings.Refresh(store);
  EXPECT_EQ(settings.SpeedStep(), 6);
  EXPECT_TRUE(settings.AccelerationOn()) << "any non-zero threshold";
  EXPECT_EQ(settings.DoubleClickStepShown(), 7);
  EXPECT_EQ(settings.ScrollBarStep(), 3);
  EXPECT_FALSE(settings.OneScreen());

  MapStore garbage;
  garbage.values = {{"MouseSensitivity", "fast"}, {"DoubleClickSpeed", "?"}};
  settings.Refresh(garbage);
  EXPECT_EQ(settings.SpeedStep(), 11);
  EXPECT_FALSE(settings.AccelerationOn());
  EXPECT_EQ(settings.DoubleClickStepShown(), 7);
  EXPECT_EQ(settings.ScrollBarStep(), 3);

  MapStore closed;
  closed.mouseOpens = closed.desktopOpens = false;
  settings.Refresh(closed);
  EXPECT_EQ(settings.SpeedStep(), 11) << "a group that cannot be opened changes nothing";
}

TEST(PointerSettings, ClicksWriteTheTablesAndApplyAtOnce) {
  MapStore store;
  store.values = {{"MouseSensitivity", "10"}, {"DoubleClickSpeed", "500"}, {"WheelScrollLines", "3"}};
  PointerSettings settings;
  settings.Refresh(store);
  ASSERT_TRUE(settings.ClickSpeed(6, store));
  EXPECT_EQ(store.values["MouseSensitivity"], "10");
  EXPECT_EQ(store.values["DoubleClickSpeed"], "480") << "step 7 as the table says, not the 500 read";
  ASSERT_TRUE(settings.ClickDoubleClick(11, store));
  ASSERT_TRUE(settings.ClickScroll(9, store));
  EXPECT_EQ(store.values["DoubleClickSpeed"], "200");
  EXPECT_EQ(store.values["WheelScrollLines"], "9");
  EXPECT_EQ(store.applies, 3);

  ASSERT_TRUE(settings.ToggleAcceleration(store));
  EXPECT_TRUE(settings.AccelerationOn());
  EXPECT_EQ(store.values["MouseSpeed"], "1");
  EXPECT_EQ(store.values["MouseThreshold1"], "6");
  EXPECT_EQ(store.values["MouseThreshold2"], "10");
  ASSERT_TRUE(settings.ToggleAcceleration(store));
  EXPECT_EQ(store.values["MouseSpeed"] + store.values["MouseThreshold1"] + store.values["MouseThreshold2"], "000");
}

TEST(PointerSettings, OneScreenScrollingDisablesTheBarAndReturnsToItsLastStep) {
  MapStore store;
  store.values = {{"WheelScrollLines", "5"}};
  PointerSettings settings;
  settings.Refresh(store);
  ASSERT_TRUE(settings.ToggleOneScreen(store));
  EXPECT_EQ(store.values["WheelScrollLines"], "-1");
  EXPECT_FALSE(settings.ScrollBarEnabled());
  ASSERT_TRUE(settings.ClickScroll(2, store));
  EXPECT_EQ(store.values["WheelScrollLines"], "-1") << "the disabled bar takes no click";
  ASSERT_TRUE(settings.ToggleOneScreen(store));
  EXPECT_EQ(store.values["WheelScrollLines"], "5");

  // Switched on outside the program: the next apply keeps it on.
  store.values["WheelScrollLines"] = "-1";
  settings.Refresh(store);
  EXPECT_TRUE(settings.OneScreen());
  EXPECT_EQ(settings.ScrollBarStep(), 1);
  ASSERT_TRUE(settings.ClickSpeed(4, store));
  EXPECT_EQ(store.values["WheelScrollLines"], "-1");
  ASSERT_TRUE(settings.ToggleOneScreen(store));
  EXPECT_EQ(store.values["WheelScrollLines"], "1");
}

TEST(PointerSettings, NothingSetYetWritesNoStepOutsideTheBars) {
  MapStore store;
  store.mouseOpens = store.desktopOpens = false;
  PointerSettings settings;
  settings.Refresh(store);
  store.mouseOpens = store.desktopOpens = true;
  ASSERT_TRUE(settings.Apply(store));
  EXPECT_EQ(store.values.count("MouseSensitivity"), 0U);
  EXPECT_EQ(store.values.count("DoubleClickSpeed"), 0U);
  EXPECT_EQ(store.values.count("WheelScrollLines"), 0U);
  EXPECT_EQ(store.applies, 1) << "the values held are applied all the same";
}

TEST(FilePointerStore, KeepsTheValuesInItsFileWithDesktopDefaults) {
  test::TempFolder folder("pointer-file");
  const auto file = DefaultConfigFolder((folder.path() / "config").c_str(), "/home/x") / kPointerSettingsFileName;
  EXPECT_EQ(file, folder.path() / "config" / "veltrax" / "pointer.ini");
  EXPECT_EQ(DefaultConfigFolder("", "/home/x"), std::filesystem::path("/home/x/.config/veltrax"));

  FilePointerStore store(file);
  PointerSettings settings;
  settings.Refresh(store);
  EXPECT_EQ(settings.SpeedStep(), 6);
  EXPECT_TRUE(settings.AccelerationOn());
  EXPECT_EQ(settings.DoubleClickStepShown(), 7);
  EXPECT_EQ(settings.ScrollBarStep(), 3);
  EXPECT_FALSE(std::filesystem::exists(file)) << "reading creates nothing";

  ASSERT_TRUE(settings.ClickSpeed(2, store));
  ASSERT_TRUE(settings.ToggleOneScreen(store));
  const auto bytes = ReadWholeFile(file);
  ASSERT_TRUE(bytes) << bytes.error().context;
  const std::string text(bytes.value().begin(), bytes.value().end());
  EXPECT_NE(text.find("[Mouse]\nMouseSensitivity=2\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[Desktop]\nWheelScrollLines=-1\n"), std::string::npos) << text;

  PointerSettings again;
  again.Refresh(FilePointerStore(file));
  EXPECT_EQ(again.SpeedStep(), 2);
  EXPECT_TRUE(again.OneScreen());
}

TEST(FilePointerStore, AFolderThatCannotBeWrittenIsReported) {
  test::TempFolder folder("pointer-file");
  ASSERT_TRUE(WriteFileAtomically(folder / "plain", std::vector<uint8_t>{1}));
  FilePointerStore store(folder / "plain" / "pointer.ini");
  store.Write(kScrollLines, 4);
  EXPECT_FALSE(store.Apply());
}

}  // namespace
}  // namespace veltrax
