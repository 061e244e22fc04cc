#pragma once
// A skinned button: a transparent caption label (Btn_<X>) over its picture
// (Img_<X>). Hovering and clicking are reported; the window decides which
// picture each state shows.

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <functional>

namespace veltrax::gui {

class SkinButton : public QWidget {
  Q_OBJECT

 public:
  // name is the label's name, for example "Btn_Main_1".
  SkinButton(const QString& name, QWidget* parent);

  // The picture under the label, by its resource name (for example "SetS_03").
  void SetPicture(const QString& pictureName, const QPixmap& picture);
  const QString& PictureName() const { return pictureName_; }
  // The pictures <set>_01 at rest, _02 under the pointer and _03 while
  // pressed (for example "BtnS_01".."BtnS_03"), looked up in pictures.
  using PictureSource = std::function<QPixmap(const QString&)>;
  void SetPictureSet(const QString& set, PictureSource pictures);

  void SetCaption(const QString& caption);
  const QString& Caption() const { return caption_; }
  void SetTextColor(const QColor& color);
  // The caption is inset by insetLeft from the picture's left edge and is
  // insetLeft + insetRight narrower than the picture.
  void SetCaptionInset(int insetLeft, int insetRight);
  // Shown at x, y with the picture's size when enabled, hidden otherwise.
  void Place(int x, int y, bool enabled);
  // Tab reaches the button, and Enter or Space clicks it. A focus frame
  // shows while the focus came from the keyboard.
  void SetKeyboardActivation(bool on);

 signals:
  void Entered();
  void Left();
  void Pressed();
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QString pictureName_;
  QPixmap picture_;
  QString caption_;
  QColor textColor_ = Qt::white;
  int insetLeft_ = 0;
  int insetRight_ = 0;
  bool pressed_ = false;
  bool keyboardFocus_ = false;
};

}  // namespace veltrax::gui
