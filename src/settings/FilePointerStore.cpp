#include "settings/FilePointerStore.h"

#include <array>
#include <system_error>

#include "base/FileIo.h"
#include "resources/IniText.h"

namespace veltrax {
namespace {

using namespace pointer_value;

struct Default {
  std::string_view name;
  int value;
};
constexpr std::array<Default, 6> kDefaults{{{kSensitivity, 10},
                                            {kAcceleration, 1},
                                            {kThreshold1, 6},
                                            {kThreshold2, 10},
                                            {kDoubleClick, 500},
                                            {kScrollLines, 3}}};

std::string FileText(const std::filesystem::path& file) {
  auto bytes = ReadWholeFile(file);
  if (!bytes) return {};
  return std::string(bytes.value().begin(), bytes.value().end());
}

}  // namespace

std::filesystem::path DefaultConfigFolder(const char* xdgConfigHome, const char* home) {
  if (xdgConfigHome != nullptr && *xdgConfigHome != '\0') return std::filesystem::path(xdgConfigHome) / "veltrax";
  return std::filesystem::path(home != nullptr ? home : "") / ".config" / "veltrax";
}

// A value written or in the file: nothing when neither has it, a null
// value when the file's is no number.
std::optional<std::optional<int>> FilePointerStore::Stored(std::string_view name) const {
  if (auto pending = pending_.find(std::string(name)); pending != pending_.end()) return pending->second;
  const IniSection section = IniSection::Parse(FileText(file_), GroupName(GroupOf(name)));
  if (section.Value(name)) return section.Int(name);
  return std::nullopt;
}

std::optional<int> FilePointerStore::Read(std::string_view name) const {
  if (auto stored = Stored(name)) return *stored;
  for (const Default& d : kDefaults) {
    if (d.name == name) return d.value;
  }
  return std::nullopt;
}

Status FilePointerStore::Apply() {
  if (pending_.empty()) return Success();
  std::string text = "; VELTRAX pointer settings\n";
  for (PointerGroup group : {PointerGroup::Mouse, PointerGroup::Desktop}) {
    std::string entries;
    for (const Default& d : kDefaults) {
      if (GroupOf(d.name) != group) continue;
      const auto stored = Stored(d.name);
      if (stored && *stored) entries += std::string(d.name) + "=" + std::to_string(**stored) + "\n";
    }
    if (!entries.empty()) text += "[" + std::string(GroupName(group)) + "]\n" + entries;
  }
  std::error_code ignored;
  std::filesystem::create_directories(file_.parent_path(), ignored);
  Status written = WriteFileAtomically(file_, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  if (written) pending_.clear();
  return written;
}

}  // namespace veltrax
