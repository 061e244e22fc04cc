#pragma once
// The editing side of the Mode A and Mode B pages: a click on a key label
// opens the function menus for that button of the profile on screen; a
// chosen function, combination or library macro goes through the
// assignment rules into the profile, the label shows it at once, and a
// refusal is said in the window's message dialog. Also the two key-mode
// option lines under the key picture.

#include <QObject>
#include <QPointer>

#include "base/TextTable.h"
#include "keys/ButtonAssigner.h"
#include "keys/KeyPages.h"

namespace veltrax {
class LayoutTable;
}

namespace veltrax::gui {

class ComboKeyDialog;
class FunctionMenuView;
class MainWindow;
class PictureView;
class SkinButton;

class KeyPageEditor : public QObject {
  Q_OBJECT

 public:
  explicit KeyPageEditor(MainWindow& window);

  FunctionMenuView& Menus() { return *menus_; }
  // The open combination key dialog, or null.
  ComboKeyDialog* Dialog() const;

  // Key1Click .. Key9Click.
  void KeyClick(int label);
  // btn_Key101Click .. btn_Key209Click on the engineer page.
  void EngineerKeyClick(int id);
  void HideAllMenu();
  // Closes the combination key dialog without a result.
  void CloseDialog();
  // The menus' look and captions, and the option lines, of a language.
  void ApplyLanguage(const LayoutTable& layout, const QString& fontName, const TextTable& texts);
  // The option pictures show the stored option bits.
  void ShowOptionLines();
  // IB_ComboKey1Click, IB_ComboKey2Click.
  void ComboKeyOptionClick(ComboKeyOption option);

 private:
  void ChooseEntry(int entryId);
  void ChooseCombination();
  void ChooseBaseMacro(int row);
  void ApplyCombination(const AssignTarget& target, const ComboResult& result);
  void Show(const AssignTarget& target, const AssignOutcome& outcome);
  std::optional<AssignTarget> TakeTarget();
  ButtonAssigner Assigner();
  KeyProfile ProfileOnScreen() const;
  SkinButton* OptionLine(ComboKeyOption option) const;
  PictureView* OptionPicture(ComboKeyOption option) const;

  MainWindow& window_;
  FunctionMenuView* menus_;
  QPointer<ComboKeyDialog> dialog_;
};

}  // namespace veltrax::gui
