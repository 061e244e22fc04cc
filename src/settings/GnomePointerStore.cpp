#include "settings/GnomePointerStore.h"

#include <gio/gio.h>

#include <cmath>
#include <string>

#include "settings/FilePointerStore.h"
#include "settings/PointerSettings.h"

namespace veltrax {
namespace {

using namespace pointer_value;

// GNOME's pointer speed runs from -1 to 1 with 0 as its default: speed step
// n stands for (n - 6) / 5, and a speed reads as the nearest step.
double SpeedOfStep(int step) { return (step - 6) / 5.0; }
int StepOfSpeed(double speed) {
  const int step = static_cast<int>(std::lround(speed * 5.0 + 6.0));
  return step < 1 ? 1 : (step > kPointerSteps ? kPointerSteps : step);
}

// The acceleration and its thresholds as "accel-profile": 'flat' is off,
// 'adaptive' and the desktop's 'default' are on.
constexpr int kOnThreshold1 = 6;
constexpr int kOnThreshold2 = 10;

class GnomePointerStore final : public PointerStore {
 public:
  explicit GnomePointerStore(GSettings* settings) : settings_(settings) {}
  ~GnomePointerStore() override { g_object_unref(settings_); }
  GnomePointerStore(const GnomePointerStore&) = delete;
  GnomePointerStore& operator=(const GnomePointerStore&) = delete;

  bool Opens(PointerGroup group) const override { return group == PointerGroup::Mouse; }

  std::optional<int> Read(std::string_view name) const override {
    if (name == kSensitivity) return kSensitivityOfStep[StepOfSpeed(g_settings_get_double(settings_, "speed")) - 1];
    if (name == kDoubleClick) return g_settings_get_int(settings_, "double-click");
    const bool on = !AccelerationFlat();
    if (name == kAcceleration) return on ? 1 : 0;
    if (name == kThreshold1) return on ? kOnThreshold1 : 0;
    if (name == kThreshold2) return on ? kOnThreshold2 : 0;
    return std::nullopt;
  }

  void Write(std::string_view name, int value) override {
    bool written = true;
    if (name == kSensitivity) {
      written = g_settings_set_double(settings_, "speed", SpeedOfStep(SensitivityStep(value)));
    } else if (name == kDoubleClick) {
      written = g_settings_set_int(settings_, "double-click", value);
    } else if (name == kAcceleration) {
      written = g_settings_set_string(settings_, "accel-profile", value != 0 ? "adaptive" : "flat");
    }
    if (!written) refused_ += (refused_.empty() ? "" : ", ") + std::string(name);
  }

  Status Apply() override {
    g_settings_sync();
    if (refused_.empty()) return Success();
    Error error{ErrorKind::PermissionDenied, "the desktop refused the pointer settings " + refused_};
    refused_.clear();
    return error;
  }

  std::string Where(PointerGroup) const override { return std::string(kGnomeMouseSchema); }

 private:
  bool AccelerationFlat() const {
    gchar* profile = g_settings_get_string(settings_, "accel-profile");
    const bool flat = std::string_view(profile) == "flat";
    g_free(profile);
    return flat;
  }

  GSettings* settings_;
  std::string refused_;
};

// The schema when it is installed with every key the store uses.
GSettingsSchema* FindSchema(std::string_view schemaId) {
  GSettingsSchemaSource* source = g_settings_schema_source_get_default();
  if (source == nullptr) return nullptr;
  GSettingsSchema* schema = g_settings_schema_source_lookup(source, std::string(schemaId).c_str(), TRUE);
  if (schema == nullptr) return nullptr;
  for (const char* key : {"speed", "accel-profile", "double-click"}) {
    if (!g_settings_schema_has_key(schema, key)) {
      g_settings_schema_unref(schema);
      return nullptr;
    }
  }
  return schema;
}

}  // namespace

std::unique_ptr<PointerStore> OpenPointerStore(const std::filesystem::path& configFolder, std::string_view schemaId) {
  auto file = std::make_unique<FilePointerStore>(configFolder / kPointerSettingsFileName);
  GSettingsSchema* schema = FindSchema(schemaId);
  if (schema == nullptr) return file;
  GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
  g_settings_schema_unref(schema);
  return std::make_unique<RoutedPointerStore>(std::make_unique<GnomePointerStore>(settings), std::move(file));
}

}  // namespace veltrax
