#pragma once
// What the Mode A and Mode B pages and the engineer page's key buttons show
// of the key profiles: the labels of the profile on screen, the eighteen
// engineer button captions, and the two key-mode switching option lines.

#include <array>
#include <string>

#include "base/TextTable.h"
#include "image/EngineerControls.h"
#include "image/ImageLayout.h"
#include "keys/BaseMacroSlots.h"
#include "keys/KeyFunctionName.h"

namespace veltrax {

using ProfileLabels = std::array<std::string, kButtonsPerProfile>;

// Labels Key1..Key9 for a profile; run on every switch to a key page.
ProfileLabels LabelsOfProfile(const ButtonCodeTexts& codeTexts, KeyProfile profile, const TextTable& texts,
                              const BaseMacroNames& macroNames);

// Everything the key pages show after an image was shown anew (a read, a
// profile load or a restore filled the controls).
struct KeyPagesView {
  KeyProfile profileOnScreen = KeyProfile::ModeA;  // the one the image marks as current
  ProfileLabels labels;                            // of profileOnScreen
  std::array<std::string, 18> engineerCaptions;    // btn_Key101..109, then btn_Key201..209
  bool middleKeyOption = false;                    // Img_ComboKey1 shows CbS_E when set
  bool cpiKeyOption = false;                       // Img_ComboKey2
};
KeyPagesView ShowKeyPages(const EngineerControls& controls, const TextTable& texts, const BaseMacroNames& macroNames);

// The option lines under the key picture mirror the engineer page's long
// press options: IB_ComboKey1 the middle key's, IB_ComboKey2 the CPI key's.
enum class ComboKeyOption { MiddleKey, CpiKey };
// Toggles the option; says whether it is now on.
bool ToggleComboKeyOption(EngineerControls& controls, ComboKeyOption option);

}  // namespace veltrax
