#include "gui/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltrax::gui {

PasswordDialog::PasswordDialog(QWidget* mainWindow) : QDialog(mainWindow) {
  setObjectName(QStringLiteral("dlgPass"));
  setWindowTitle(QStringLiteral("Password"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(QStringLiteral("PASSWORD:"), this);
  input_ = new QLineEdit(this);
  input_->setObjectName(QStringLiteral("edt_Password"));
  input_->setEchoMode(QLineEdit::Password);
  // Every typed character shows as "*".
  input_->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
  prompt->setBuddy(input_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(prompt);
  layout->addWidget(input_);
  layout->addWidget(buttons);
  setFixedWidth(280);
}

void PasswordDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (QWidget* main = parentWidget()) {
    const QRect over = main->frameGeometry();
    move(over.left() + (over.width() - width()) / 2, over.top() + (over.height() - height()) / 2);
  }
  input_->setFocus();
}

}  // namespace veltrax::gui
