#include "keys/KeyPages.h"

#include "keys/ButtonAssigner.h"

namespace veltrax {

ProfileLabels LabelsOfProfile(const ButtonCodeTexts& codeTexts, KeyProfile profile, const TextTable& texts,
                              const BaseMacroNames& macroNames) {
  ProfileLabels labels;
  for (int button = 1; button <= kButtonsPerProfile; ++button) {
    labels[button - 1] = KeyFunctionName(codeTexts[AssignTarget{profile, button}.CodeIndex()], texts, macroNames);
  }
  return labels;
}

KeyPagesView ShowKeyPages(const EngineerControls& controls, const TextTable& texts, const BaseMacroNames& macroNames) {
  KeyPagesView view;
  view.profileOnScreen = controls.cb_KeyMode.itemIndex == 1 ? KeyProfile::ModeB : KeyProfile::ModeA;
  view.labels = LabelsOfProfile(controls.codeTexts, view.profileOnScreen, texts, macroNames);
  view.engineerCaptions = ButtonNamesOf(controls.codeTexts, texts, macroNames);
  view.middleKeyOption = controls.cb_MidPress.checked;
  view.cpiKeyOption = controls.cb_CPIPress.checked;
  return view;
}

bool ToggleComboKeyOption(EngineerControls& controls, ComboKeyOption option) {
  CheckBox& box = option == ComboKeyOption::MiddleKey ? controls.cb_MidPress : controls.cb_CPIPress;
  box.checked = !box.checked;
  return box.checked;
}

}  // namespace veltrax
