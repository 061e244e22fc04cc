#pragma once
// Settings edited by name, as "NAME=VALUE" ("dpi.levels=5",
// "lighting.levelColor.2=#FF8000"), under the same rules as the Advanced,
// Light and engineer pages: an edit either changes the controls as a click
// on the page would, or is refused with a message that names the allowed
// values and changes nothing.

#include <string>
#include <string_view>
#include <vector>

#include "base/Error.h"
#include "image/EngineerControls.h"
#include "image/ImageLayout.h"

namespace veltrax {

// One edit of the shown controls; AIM key edits also write the AIM key
// button codes in dataBuf's ProfileSection.
Status ApplySettingEdit(EngineerControls& c, DataBuf& dataBuf, std::string_view assignment);

// The settings names, N standing for a level or key mode number.
const std::vector<std::string>& SettingNames();

}  // namespace veltrax
