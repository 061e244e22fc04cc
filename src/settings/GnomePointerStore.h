#pragma once
// The pointer settings of a GNOME desktop (GIO GSettings), and the choice
// of store the programs use.

#include <filesystem>
#include <memory>
#include <string_view>

#include "settings/PointerStore.h"

namespace veltrax {

inline constexpr std::string_view kGnomeMouseSchema = "org.gnome.desktop.peripherals.mouse";

// The Mouse group through the schema's "speed", "accel-profile" and
// "double-click" keys when the schema is installed with them, and
// everything else in the settings file in configFolder.
std::unique_ptr<PointerStore> OpenPointerStore(const std::filesystem::path& configFolder,
                                               std::string_view schemaId = kGnomeMouseSchema);

}  // namespace veltrax
