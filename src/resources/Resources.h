#pragma once
// The built-in resources, compiled in with Qt's resource system and looked
// up by name as the program always did: "lang1", "ORG", "ORG2", "BtnS_01",
// "L2_BackGround", "WaitGif".

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/Error.h"
#include "resources/GifAnimation.h"
#include "resources/GlobalOptions.h"
#include "resources/LanguageTable.h"
#include "resources/LayoutTable.h"

namespace veltrax {

Result<std::vector<uint8_t>> ReadResource(std::string_view name);

// The language of veltraxctl's messages: table lang1.
inline constexpr int kEnglish = 1;

// Table lang<language>, language 1 to 3; an empty table when it is missing.
LanguageTable LoadLanguageTable(int language);

// Layout ORG<language> (section org<language>), language 1 to 3.
Result<LayoutTable> LoadLayout(int language);

// Global options ORG (section org).
Result<GlobalOptions> LoadGlobalOptions();

// The loading window's animation.
Result<GifAnimation> LoadLoadingAnimation();

}  // namespace veltrax
