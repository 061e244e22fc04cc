#include "gui/ClickArea.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace veltrax::gui {

namespace {

constexpr int kSwatchInset = 4;
constexpr qreal kDisabledOpacity = 0.35;

}  // namespace

void PaintFocusFrame(QWidget* widget) {
  if (!widget->hasFocus()) return;
  QPainter painter(widget);
  painter.setPen(QPen(QColor(0x27, 0xC4, 0xE0), 1, Qt::DotLine));
  painter.drawRect(widget->rect().adjusted(0, 0, -1, -1));
}

ClickArea::ClickArea(const QString& name, QWidget* parent, bool focusable) : QWidget(parent) {
  setObjectName(name);
  // Only the keyboard moves the focus here: a mouse click leaves no focus frame.
  setFocusPolicy(focusable ? Qt::TabFocus : Qt::NoFocus);
}

void ClickArea::SetPicture(const QString& pictureName, const QPixmap& picture) {
  pictureName_ = pictureName;
  picture_ = picture;
  if (!picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
  update();
}

void ClickArea::SetCaption(const QString& caption, const QColor& color) {
  caption_ = caption;
  captionColor_ = color;
  update();
}

void ClickArea::SetSwatch(const std::optional<QColor>& color) {
  swatch_ = color;
  update();
}

void ClickArea::paintEvent(QPaintEvent*) {
  {
    QPainter painter(this);
    if (!isEnabled()) painter.setOpacity(kDisabledOpacity);
    if (swatch_) painter.fillRect(rect().adjusted(kSwatchInset, kSwatchInset, -kSwatchInset, -kSwatchInset), *swatch_);
    if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
    if (!caption_.isEmpty()) {
      painter.setPen(captionColor_);
      painter.setFont(font());
      painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, caption_);
    }
  }
  PaintFocusFrame(this);
}

void ClickArea::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(event->position().toPoint())) emit Clicked();
}

void ClickArea::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space) {
    emit Clicked();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace veltrax::gui
