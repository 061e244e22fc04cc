#pragma once
// The pointer settings kept in the program's own settings file, an INI text
// with a [Mouse] and a [Desktop] section, where the desktop has no setting
// of its own for them. A value the file lacks reads as the usual desktop
// default (sensitivity 10, acceleration on, 500 ms, 3 lines).

#include <filesystem>
#include <map>

#include "settings/PointerStore.h"

namespace veltrax {

inline constexpr const char* kPointerSettingsFileName = "pointer.ini";

// $XDG_CONFIG_HOME/veltrax, or ~/.config/veltrax when XDG_CONFIG_HOME is
// unset or empty; the caller passes both environment values (null when unset).
std::filesystem::path DefaultConfigFolder(const char* xdgConfigHome, const char* home);

class FilePointerStore final : public PointerStore {
 public:
  explicit FilePointerStore(std::filesystem::path file) : file_(std::move(file)) {}

  bool Opens(PointerGroup) const override { return true; }
  std::optional<int> Read(std::string_view name) const override;
  void Write(std::string_view name, int value) override { pending_[std::string(name)] = value; }
  // Saves the file (and its folder) atomically with the values written and
  // those it held; a group another store keeps stays out of it.
  Status Apply() override;
  std::string Where(PointerGroup) const override { return file_.string(); }

 private:
  std::optional<std::optional<int>> Stored(std::string_view name) const;

  std::filesystem::path file_;
  std::map<std::string, int> pending_;
};

}  // namespace veltrax
