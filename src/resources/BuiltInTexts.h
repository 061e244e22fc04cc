#pragma once
// The built-in texts: the language tables lang1 to lang3, the global options
// ORG and the layouts ORG1 to ORG3. They are compiled into the program as
// plain bytes, so that reading them needs no Qt and no picture library.

#include "base/Error.h"
#include "resources/GlobalOptions.h"
#include "resources/LanguageTable.h"
#include "resources/LayoutTable.h"

namespace veltrax {

// The language of veltraxctl's messages: table lang1.
inline constexpr int kEnglish = 1;

// Table lang<language>, language 1 to 3; an empty table when it is missing.
LanguageTable LoadLanguageTable(int language);

// Layout ORG<language> (section org<language>), language 1 to 3.
Result<LayoutTable> LoadLayout(int language);

// Global options ORG (section org).
Result<GlobalOptions> LoadGlobalOptions();

}  // namespace veltrax
