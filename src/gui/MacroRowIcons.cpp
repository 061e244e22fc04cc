#include "gui/MacroRowIcons.h"

#include <QPainterPath>

#include "macro/MacroRow.h"

namespace veltrax::gui {
namespace {

const QColor kAccent(34, 211, 238);

// An arrow from the centre towards (dx, dy), a unit vector.
void Arrow(QPainter& p, QPointF centre, qreal length, QPointF direction) {
  const QPointF tip = centre + direction * (length / 2);
  const QPointF tail = centre - direction * (length / 2);
  p.drawLine(tail, tip);
  const QPointF side(-direction.y(), direction.x());
  const qreal head = length / 3;
  p.drawLine(tip, tip - direction * head + side * head * 0.7);
  p.drawLine(tip, tip - direction * head - side * head * 0.7);
}

}  // namespace

void PaintRowIcon(QPainter& painter, const QRect& box, int type, const QColor& color) {
  if (type < RowType::kDelay || type > RowType::kRepeatEnd) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF inner = QRectF(box).adjusted(box.width() * 0.22, box.height() * 0.22, -box.width() * 0.22,
                                            -box.height() * 0.22);
  const QPointF centre = inner.center();
  const qreal size = inner.width();
  painter.setPen(QPen(type == RowType::kDelay ? color : kAccent, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  switch (type) {
    case RowType::kDelay:
      painter.drawEllipse(inner);
      painter.drawLine(centre, centre + QPointF(0, -size * 0.32));
      painter.drawLine(centre, centre + QPointF(size * 0.25, 0));
      break;
    case RowType::kPress:
    case RowType::kRelease:
      // A key or button: an arrow in a key cap.
      painter.drawRoundedRect(inner, 2, 2);
      Arrow(painter, centre, size * 0.55, {0, type == RowType::kPress ? 1.0 : -1.0});
      break;
    case RowType::kXPositive: Arrow(painter, centre, size, {1, 0}); break;
    case RowType::kXNegative: Arrow(painter, centre, size, {-1, 0}); break;
    case RowType::kYPositive: Arrow(painter, centre, size, {0, 1}); break;
    case RowType::kYNegative: Arrow(painter, centre, size, {0, -1}); break;
    case RowType::kRepeatStart:
    case RowType::kRepeatEnd: {
      // A loop, open at the top for the start and at the bottom for the end.
      const int start = type == RowType::kRepeatStart ? 120 : -60;
      painter.drawArc(inner, start * 16, 300 * 16);
      break;
    }
    default: break;
  }
  painter.restore();
}

}  // namespace veltrax::gui
