#pragma once
// The engineer access code dialog (dlgPass): caption "Password", the
// prompt "PASSWORD:", the input masked with "*", OK and Cancel, centred on
// the main window. Modal.

#include <QDialog>
#include <QLineEdit>

namespace veltrax::gui {

class PasswordDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PasswordDialog(QWidget* mainWindow);

  QString Code() const { return input_->text(); }
  QLineEdit* Input() const { return input_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* input_;
};

}  // namespace veltrax::gui
