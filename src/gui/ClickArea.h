#pragma once
// A skinned control that is clicked: a picture (a choice or selection mark,
// a bar segment, a colour frame), a transparent caption area over the
// captions the page picture carries, or a colour swatch. It takes the
// keyboard too when it is focusable: Space clicks it.

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <optional>

namespace veltrax::gui {

class ClickArea : public QWidget {
  Q_OBJECT

 public:
  ClickArea(const QString& name, QWidget* parent, bool focusable);

  // Takes the picture's size.
  void SetPicture(const QString& pictureName, const QPixmap& picture);
  const QString& PictureName() const { return pictureName_; }
  void SetCaption(const QString& caption, const QColor& color);
  const QString& Caption() const { return caption_; }
  // A colour swatch: the colour fills the area inside the picture's frame.
  void SetSwatch(const std::optional<QColor>& color);
  const std::optional<QColor>& Swatch() const { return swatch_; }

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString pictureName_;
  QPixmap picture_;
  QString caption_;
  QColor captionColor_;
  std::optional<QColor> swatch_;
  bool pressed_ = false;
};

// The frame that marks the control with the keyboard focus.
void PaintFocusFrame(QWidget* widget);

}  // namespace veltrax::gui
