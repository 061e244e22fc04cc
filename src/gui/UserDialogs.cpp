#include "gui/UserDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "gui/MessageDialog.h"
#include "gui/PasswordDialog.h"

namespace veltrax::gui {

void WidgetDialogs::ShowMessage(const QString& text, const QString& fontName) {
  MessageDialog dialog(parent_, text, fontName, pictures_);
  dialog.exec();
}

void WidgetDialogs::ShowPlainMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, parent_);
  box.exec();
}

std::optional<QString> WidgetDialogs::AskPassword() {
  PasswordDialog dialog(parent_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Code();
}

std::optional<QString> WidgetDialogs::PickSaveFile(const QString& filter) {
  // The program's files end in ".bin": the dialog adds it to a name without
  // it, so that it asks before the file really written is replaced.
  QFileDialog dialog(parent_, QString(), QString(), filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("bin"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

std::optional<QString> WidgetDialogs::PickOpenFile(const QString& filter) {
  const QString path = QFileDialog::getOpenFileName(parent_, QString(), QString(), filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QColor> WidgetDialogs::PickColor(const QColor& initial) {
  const QColor chosen = QColorDialog::getColor(initial, parent_);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

}  // namespace veltrax::gui
