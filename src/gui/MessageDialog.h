#pragma once
// The window's message dialog: the skin's message background, the text in
// the language's font, one OK button. Modal; Enter and Escape close it too.

#include <QDialog>
#include <QPixmap>
#include <functional>

namespace veltrax::gui {

class SkinButton;

class MessageDialog : public QDialog {
  Q_OBJECT

 public:
  using PictureSource = std::function<QPixmap(const QString&)>;
  MessageDialog(QWidget* parent, const QString& text, const QString& fontName, const PictureSource& pictures);

  const QString& Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString text_;
  QPixmap background_;
};

}  // namespace veltrax::gui
