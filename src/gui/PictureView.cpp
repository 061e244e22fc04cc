#include "gui/PictureView.h"

#include <QMouseEvent>
#include <QPainter>

namespace veltrax::gui {

PictureView::PictureView(const QString& name, QWidget* parent) : QWidget(parent) { setObjectName(name); }

void PictureView::SetPicture(const QString& pictureName, const QPixmap& picture) {
  pictureName_ = pictureName;
  picture_ = picture;
  if (!picture_.isNull()) resize(picture_.deviceIndependentSize().toSize());
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void PictureView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Pressed();
}

}  // namespace veltrax::gui
