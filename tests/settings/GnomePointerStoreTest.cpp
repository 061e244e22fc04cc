#include <gio/gio.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/FileIo.h"
#include "common/TempFolder.h"
#include "settings/FilePointerStore.h"
#include "settings/GnomePointerStore.h"
#include "settings/PointerSettings.h"

namespace veltrax {
namespace {

using namespace pointer_value;

// Runs against GSettings' memory backend only, never the user's desktop.
class GnomePointerStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* backend = std::getenv("GSETTINGS_BACKEND");
    ASSERT_TRUE(backend != nullptr && std::string_view(backend) == "memory") << "refusing to touch real settings";
    ::setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    store = OpenPointerStore(folder.path());
    mouse = g_settings_new(std::string(kGnomeMouseSchema).c_str());
    g_settings_reset(mouse, "speed");
    g_settings_reset(mouse, "accel-profile");
    g_settings_reset(mouse, "double-click");
  }
  void TearDown() override {
    if (mouse) g_object_unref(mouse);
  }

  test::TempFolder folder{"pointer-gnome"};
  std::unique_ptr<PointerStore> store;
  GSettings* mouse = nullptr;
};

TEST_F(GnomePointerStoreTest, MouseValuesLiveInTheDesktopsSchema) {
  EXPECT_EQ(store->Where(PointerGroup::Mouse), kGnomeMouseSchema);
  EXPECT_EQ(store->Where(PointerGroup::Desktop), (folder.path() / kPointerSettingsFileName).string());

  const std::pair<int, double> steps[] = {{1, -1.0}, {6, 0.0}, {8, 0.4}, {11, 1.0}};
  PointerSettings settings;
  settings.Refresh(*store);
  EXPECT_EQ(settings.SpeedStep(), 6) << "GNOME's default speed";
  for (auto [step, speed] : steps) {
    ASSERT_TRUE(settings.ClickSpeed(step, *store));
    EXPECT_DOUBLE_EQ(g_settings_get_double(mouse, "speed"), speed) << step;
  }
  g_settings_set_double(mouse, "speed", 0.3);  // between steps 7 and 8
  settings.Refresh(*store);
  EXPECT_EQ(settings.SpeedStep(), 8);

  ASSERT_TRUE(settings.ClickDoubleClick(7, *store));
  EXPECT_EQ(g_settings_get_int(mouse, "double-click"), 480);
  g_settings_set_int(mouse, "double-click", 500);
  settings.Refresh(*store);
  EXPECT_EQ(settings.DoubleClickStepShown(), 7);
}

TEST_F(GnomePointerStoreTest, AccelerationIsTheAccelProfile) {
  PointerSettings settings;
  settings.Refresh(*store);
  EXPECT_TRUE(settings.AccelerationOn()) << "'default' reads as on";
  ASSERT_TRUE(settings.ToggleAcceleration(*store));
  gchar* profile = g_settings_get_string(mouse, "accel-profile");
  EXPECT_STREQ(profile, "flat");
  g_free(profile);
  ASSERT_TRUE(settings.ToggleAcceleration(*store));
  profile = g_settings_get_string(mouse, "accel-profile");
  EXPECT_STREQ(profile, "adaptive");
  g_free(profile);
}

TEST_F(GnomePointerStoreTest, ScrollingStaysInTheSettingsFile) {
  PointerSettings settings;
  settings.Refresh(*store);
  ASSERT_TRUE(settings.ClickScroll(7, *store));
  EXPECT_EQ(FilePointerStore(folder / kPointerSettingsFileName).Read(kScrollLines), 7);
  const auto bytes = ReadWholeFile(folder / kPointerSettingsFileName);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(std::string(bytes.value().begin(), bytes.value().end()).find("Mouse"), std::string::npos)
      << "the desktop's values stay out of the file";
}

TEST_F(GnomePointerStoreTest, WithoutTheSchemaEverythingIsInTheSettingsFile) {
  auto fileOnly = OpenPointerStore(folder.path(), "org.example.no.such.schema");
  EXPECT_EQ(fileOnly->Where(PointerGroup::Mouse), (folder.path() / kPointerSettingsFileName).string());
  PointerSettings settings;
  settings.Refresh(*fileOnly);
  ASSERT_TRUE(settings.ClickSpeed(11, *fileOnly));
  EXPECT_DOUBLE_EQ(g_settings_get_double(mouse, "speed"), 0.0) << "the desktop is left alone";
}

}  // namespace
}  // namespace veltrax
