#include "gui/SkinButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace veltrax::gui {

SkinButton::SkinButton(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  setAttribute(Qt::WA_Hover);
}

void SkinButton::SetPicture(const QString& pictureName, const QPixmap& picture) {
  pictureName_ = pictureName;
  picture_ = picture;
  if (!picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
  update();
}

void SkinButton::SetPictureSet(const QString& set, PictureSource pictures) {
  auto show = [this, set, pictures = std::move(pictures)](int state) {
    const QString name = QStringLiteral("%1_0%2").arg(set).arg(state);
    SetPicture(name, pictures(name));
  };
  show(1);
  connect(this, &SkinButton::Entered, this, [show] { show(2); });
  connect(this, &SkinButton::Left, this, [show] { show(1); });
  connect(this, &SkinButton::Pressed, this, [show] { show(3); });
}

void SkinButton::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void SkinButton::SetTextColor(const QColor& color) {
  textColor_ = color;
  update();
}

void SkinButton::SetCaptionInset(int insetLeft, int insetRight) {
  insetLeft_ = insetLeft;
  insetRight_ = insetRight;
  update();
}

void SkinButton::Place(int x, int y, bool enabled) {
  move(x, y);
  setVisible(enabled);
}

void SkinButton::SetKeyboardActivation(bool on) { setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus); }

void SkinButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!picture_.isNull()) painter.drawPixmap(0, 0, picture_);
  if (hasFocus() && keyboardFocus_) {
    painter.setPen(QPen(textColor_, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
  }
  if (caption_.isEmpty()) return;
  QColor pen = textColor_;
  // A button that cannot be used now says so by its faded caption.
  if (!isEnabled()) pen.setAlpha(110);
  painter.setPen(pen);
  painter.setFont(font());
  const QRect label(insetLeft_, 0, width() - insetLeft_ - insetRight_, height());
  painter.setClipRect(label);
  // A rolling caption is wider than its label: it starts at the left edge
  // so that the scrolling reads as one line.
  const bool fits = painter.fontMetrics().horizontalAdvance(caption_) <= label.width();
  painter.drawText(label, (fits ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter, caption_);
}

void SkinButton::enterEvent(QEnterEvent*) { emit Entered(); }

void SkinButton::leaveEvent(QEvent*) { emit Left(); }

void SkinButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  emit Pressed();
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (rect().contains(event->position().toPoint())) emit Clicked();
}

void SkinButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (focusPolicy() == Qt::NoFocus || (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)) {
    QWidget::keyPressEvent(event);
    return;
  }
  event->accept();
  emit Pressed();
  emit Clicked();
}

void SkinButton::focusInEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  keyboardFocus_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                   reason == Qt::ShortcutFocusReason;
  update();
}

void SkinButton::focusOutEvent(QFocusEvent*) { update(); }

}  // namespace veltrax::gui
