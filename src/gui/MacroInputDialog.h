#pragma once
// The macro page's small dialogs: the macro name dialog (TForm3, "Macro
// Name") and the three value dialogs of the row editor (TForm5 "Input One
// Key", TForm6 "Input Delay Time", TForm7 "Input Value"). Borderless,
// skinned from group L of the layout, centred on the main window, on top
// of it and not blocking it. The field starts empty; OK hands its text on
// and closes, Cancel empties it, the cross (or Escape) closes without a
// change.

#include <QDialog>
#include <QLineEdit>
#include <QPixmap>
#include <functional>

#include "base/TextTable.h"

namespace veltrax {
class LayoutTable;
}

namespace veltrax::gui {

class SkinButton;

enum class MacroInputKind { Name, Key, Delay, Axis, Repeat };

// The key dialog's field: each key pressed while it has the focus replaces
// the previous one; Tab moves on and Escape closes the dialog.
class KeyInputField : public QLineEdit {
  Q_OBJECT

 public:
  explicit KeyInputField(QWidget* parent);

 signals:
  void KeyPressed(int virtualKey);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

class MacroInputDialog : public QDialog {
  Q_OBJECT

 public:
  using PictureSource = std::function<QPixmap(const QString&)>;
  MacroInputDialog(QWidget* parent, MacroInputKind kind, const LayoutTable& layout, const TextTable& texts,
                   const QString& fontName, PictureSource pictures);

  // Shown centred on the main window as it is on screen, the keyboard in
  // the field.
  void ShowOver(const QRect& mainWindow);

  MacroInputKind Kind() const { return kind_; }
  QLineEdit* Field() const { return field_; }
  // The key dialog's key, -1 before one was pressed.
  int VirtualKey() const { return virtualKey_; }

 signals:
  void Confirmed(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void BuildControls(const LayoutTable& layout, const TextTable& texts, const QString& fontName);
  QLineEdit* MakeField();
  SkinButton* AddButton(const QString& name, const QString& pictures);
  void Confirm();
  void Clear();

  MacroInputKind kind_;
  PictureSource pictures_;
  QPixmap background_;
  QLineEdit* field_ = nullptr;
  int virtualKey_ = -1;
};

}  // namespace veltrax::gui
