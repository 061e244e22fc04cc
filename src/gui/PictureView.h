#pragma once
// A picture control (Img_<X>) that is not a button: page backgrounds and
// content pictures. Presses are reported so that the background can drag
// the window.

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace veltrax::gui {

class PictureView : public QWidget {
  Q_OBJECT

 public:
  PictureView(const QString& name, QWidget* parent);

  // Takes the picture's size.
  void SetPicture(const QString& pictureName, const QPixmap& picture);
  const QString& PictureName() const { return pictureName_; }

 signals:
  void Pressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString pictureName_;
  QPixmap picture_;
};

}  // namespace veltrax::gui
