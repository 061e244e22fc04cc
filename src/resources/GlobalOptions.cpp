#include "resources/GlobalOptions.h"

#include <algorithm>
#include <utility>

#include "resources/IniText.h"

namespace veltrax {

Result<GlobalOptions> GlobalOptions::Parse(std::string_view text) {
  const IniSection ini = IniSection::Parse(text, "org");
  GlobalOptions options;
  std::string missing;
  auto integer = [&](std::string_view key, int& field) {
    if (const std::optional<int> value = ini.Int(key)) {
      field = *value;
    } else {
      missing += missing.empty() ? "" : ", ";
      missing += key;
    }
  };
  integer("Web_Enable", options.webEnable);
  integer("Web_X", options.webX);
  integer("Web_Y", options.webY);
  integer("Rev_Manu_ID", options.revManuId);
  integer("Rev_Pro_ID", options.revProId);
  integer("TR_Enable", options.trEnable);
  integer("DPILED_Status", options.dpiLedStatus);
  integer("Num_Order", options.numOrder);
  if (!missing.empty()) return Error{ErrorKind::BadFormat, "global options lack integer keys: " + missing};
  options.web = ini.Value("Web").value_or(std::string());
  options.path = ini.Value("Path").value_or(std::string());
  options.numOrder = std::clamp(options.numOrder, 0, 1);
  return options;
}

}  // namespace veltrax
