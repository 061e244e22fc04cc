#pragma once
// The combination key dialog (TForm2, "Assembly Key"): borderless, on top,
// not blocking the main window. Key presses in its text field and the four
// modifier boxes build a key combination; Confirm hands its type 02 code
// and text to the main window, Clear starts again, the cross closes it
// without a result. The rules are ComboKeyDialogState's; this only shows
// them.

#include <QDialog>
#include <QLineEdit>
#include <QPixmap>
#include <array>
#include <functional>

#include "base/TextTable.h"
#include "keys/ComboKeyDialogState.h"

class QCheckBox;

namespace veltrax {
class LayoutTable;
}

namespace veltrax::gui {

class SkinButton;

// The text field: every key press goes to the dialog as a virtual key with
// the held modifiers, Enter included; only Tab (which moves the focus) and
// Escape (which closes the dialog) are not taken as keys.
class ComboKeyField : public QLineEdit {
  Q_OBJECT

 public:
  explicit ComboKeyField(QWidget* parent);

 signals:
  void KeyPressed(int vk, veltrax::HeldModifiers held);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

class ComboKeyDialog : public QDialog {
  Q_OBJECT

 public:
  using PictureSource = std::function<QPixmap(const QString&)>;
  // Laid out from group K of the layout, captioned from the texts, in the
  // language's font. Escape closes it without a result.
  ComboKeyDialog(QWidget* parent, const LayoutTable& layout, const TextTable& texts, const QString& fontName,
                 PictureSource pictures);

  // Placed over the main window as it is on screen, and shown with the
  // keyboard focus in the text field.
  void ShowOver(const QRect& mainWindow);

  const ComboKeyDialogState& State() const { return state_; }

 signals:
  void Confirmed(const veltrax::ComboResult& result);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls(const LayoutTable& layout, const TextTable& texts, const QString& fontName);
  SkinButton* AddButton(const QString& name, const QString& pictures, int x, int y);
  void OnKey(int vk, HeldModifiers held);
  void OnBox(ComboModifier modifier, bool ticked);
  void Confirm();
  void Clear();
  void ShowState();

  PictureSource pictures_;
  QPixmap background_;
  ComboKeyDialogState state_;
  ComboKeyField* field_ = nullptr;
  std::array<QCheckBox*, 4> boxes_{};
};

}  // namespace veltrax::gui
