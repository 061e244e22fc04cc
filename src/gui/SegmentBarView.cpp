#include "gui/SegmentBarView.h"

#include <QKeyEvent>

#include "gui/ClickArea.h"

namespace veltrax::gui {

SegmentBarView::SegmentBarView(const QString& name, const QString& segmentName, const QString& labelName,
                               int segments, QWidget* parent)
    : QWidget(parent) {
  setObjectName(name);
  setFocusPolicy(Qt::TabFocus);
  for (int k = 1; k <= segments; ++k) {
    auto* segment = new ClickArea(segmentName.arg(k), this, false);
    connect(segment, &ClickArea::Clicked, this, [this, k] { emit SegmentClicked(k); });
    segments_.push_back(segment);
    if (!labelName.isEmpty()) {
      auto* label = new QLabel(this);
      label->setObjectName(labelName.arg(k));
      label->setAttribute(Qt::WA_TransparentForMouseEvents);
      labels_.push_back(label);
    }
  }
}

void SegmentBarView::SetPictures(const Pictures& pictures) {
  pictures_ = pictures;
  Redraw();
}

void SegmentBarView::Place(int x, int y, int gap, QPoint labelOffset) {
  const QSize segment = pictures_.lit.isNull() ? QSize(20, 18) : pictures_.lit.deviceIndependentSize().toSize();
  QRect bounds;
  for (int k = 1; k <= Segments(); ++k) {
    const QRect at(QPoint((k - 1) * (gap + segment.width()), 0), segment);
    segments_[k - 1]->setGeometry(at);
    bounds |= at;
    if (!labels_.empty()) {
      QLabel* label = labels_[k - 1];
      label->adjustSize();
      label->move(at.x() + labelOffset.x(), labelOffset.y());
      bounds |= label->geometry();
    }
  }
  setGeometry(QRect(QPoint(x, y), bounds.size()));
}

void SegmentBarView::SetNumbers(const QStringList& numbers, const QFont& font, const QColor& color) {
  for (size_t i = 0; i < labels_.size() && i < static_cast<size_t>(numbers.size()); ++i) {
    labels_[i]->setText(numbers[static_cast<int>(i)]);
    labels_[i]->setFont(font);
    labels_[i]->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(color.name()));
    labels_[i]->adjustSize();
  }
}

void SegmentBarView::Show(int shown, BarLook look) {
  shown_ = shown;
  look_ = look;
  Redraw();
}

void SegmentBarView::Redraw() {
  for (int k = 1; k <= Segments(); ++k) {
    const bool lit = SegmentLit(k, shown_, look_);
    segments_[k - 1]->SetPicture(lit ? pictures_.litName : pictures_.unlitName, lit ? pictures_.lit : pictures_.unlit);
  }
}

void SegmentBarView::keyPressEvent(QKeyEvent* event) {
  const int current = shown_ > 0 ? shown_ : 1;
  int next = 0;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down: next = current > 1 ? current - 1 : 1; break;
    case Qt::Key_Right:
    case Qt::Key_Up: next = current < Segments() ? current + 1 : Segments(); break;
    case Qt::Key_Home: next = 1; break;
    case Qt::Key_End: next = Segments(); break;
    default: QWidget::keyPressEvent(event); return;
  }
  emit SegmentClicked(next);
}

void SegmentBarView::paintEvent(QPaintEvent*) { PaintFocusFrame(this); }

}  // namespace veltrax::gui
