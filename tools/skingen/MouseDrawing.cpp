#include "MouseDrawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Style.h"

namespace skingen {
namespace {

using namespace colors;

QPainterPath Body(QPointF t) {
  const qreal x = t.x();
  const qreal y = t.y();
  QPainterPath path;
  path.moveTo(x - 70, y + 18);
  path.cubicTo(x - 40, y - 4, x + 40, y - 4, x + 70, y + 18);
  path.cubicTo(x + 100, y + 43, x + 108, y + 118, x + 104, y + 178);
  path.cubicTo(x + 100, y + 248, x + 118, y + 328, x + 92, y + 378);
  path.cubicTo(x + 70, y + 418, x - 70, y + 418, x - 92, y + 378);
  path.cubicTo(x - 118, y + 328, x - 100, y + 248, x - 104, y + 178);
  path.cubicTo(x - 108, y + 118, x - 100, y + 43, x - 70, y + 18);
  path.closeSubpath();
  return path;
}

void SideButton(QPainter& p, const QRectF& r) {
  QLinearGradient fill(r.topLeft(), r.topRight());
  fill.setColorAt(0, QColor(58, 66, 80));
  fill.setColorAt(1, QColor(34, 40, 50));
  p.setPen(QPen(QColor(82, 94, 112), 1));
  p.setBrush(fill);
  p.drawRoundedRect(r, r.width() / 2, r.width() / 2);
}

}  // namespace

QPointF ButtonAnchor(int button, QPointF t) {
  const qreal x = t.x();
  const qreal y = t.y();
  switch (button) {
    case 1: return {x - 38, y + 138};
    case 2: return {x, y + 63};
    case 3: return {x + 48, y + 118};
    case 4: return {x - 104, y + 240};
    case 5: return {x - 104, y + 180};
    case 6: return {x, y + 120};
    case 7: return {x - 56, y + 79};
    case 8: return {x - 56, y + 109};
    default: return {x - 101, y + 111};
  }
}

void DrawMouse(QPainter& p, QPointF t) {
  const qreal x = t.x();
  const qreal y = t.y();
  const QPainterPath body = Body(t);

  // Shadow and a cool glow under the body.
  QRadialGradient glow(QPointF(x, y + 220), 260);
  glow.setColorAt(0, QColor(34, 211, 238, 34));
  glow.setColorAt(1, QColor(34, 211, 238, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(x, y + 220), 260, 260);

  // Side buttons sit on the left flank, under the shell's edge.
  SideButton(p, QRectF(x - 113, y + 150, 14, 58));  // forward
  SideButton(p, QRectF(x - 112, y + 214, 14, 54));  // back
  SideButton(p, QRectF(x - 109, y + 96, 12, 30));   // fire

  QLinearGradient shell(x - 110, 0, x + 110, 0);
  shell.setColorAt(0, QColor(24, 28, 36));
  shell.setColorAt(0.45, QColor(44, 51, 63));
  shell.setColorAt(0.55, QColor(40, 47, 58));
  shell.setColorAt(1, QColor(20, 24, 31));
  p.setPen(QPen(QColor(76, 88, 106), 1.5));
  p.setBrush(shell);
  p.drawPath(body);

  // Main buttons: the split down the middle and the curve that ends them.
  p.setPen(QPen(QColor(10, 12, 16), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(x, y + 2), QPointF(x, y + 88));
  p.drawLine(QPointF(x, y + 152), QPointF(x, y + 188));
  QPainterPath split;
  split.moveTo(x - 102, y + 186);
  split.quadTo(x, y + 212, x + 102, y + 186);
  p.setBrush(Qt::NoBrush);
  p.drawPath(split);
  p.setPen(QPen(QColor(255, 255, 255, 22), 1));
  split.translate(0, 3);
  p.drawPath(split);

  // Wheel with its ribs and a lit edge.
  const QRectF wheel(x - 10, y + 38, 20, 50);
  QLinearGradient rubber(wheel.topLeft(), wheel.topRight());
  rubber.setColorAt(0, QColor(18, 20, 26));
  rubber.setColorAt(0.5, QColor(56, 62, 74));
  rubber.setColorAt(1, QColor(18, 20, 26));
  p.setPen(QPen(kAccent, 1.2));
  p.setBrush(rubber);
  p.drawRoundedRect(wheel, 9, 9);
  p.setPen(QPen(QColor(10, 12, 16), 1.2));
  for (qreal ry = wheel.top() + 7; ry < wheel.bottom() - 5; ry += 5) {
    p.drawLine(QPointF(wheel.left() + 4, ry), QPointF(wheel.right() - 4, ry));
  }

  // DPI button behind the wheel, with its indicator light.
  p.setPen(QPen(QColor(82, 94, 112), 1));
  p.setBrush(QColor(30, 35, 44));
  p.drawRoundedRect(QRectF(x - 8, y + 106, 16, 28), 4, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawRoundedRect(QRectF(x - 5, y + 110, 10, 3), 1.5, 1.5);

  // DPI + and DPI - along the left button's inner edge.
  p.setPen(QPen(QColor(82, 94, 112), 1));
  p.setBrush(QColor(34, 40, 50));
  p.drawRoundedRect(QRectF(x - 62, y + 66, 12, 26), 4, 4);
  p.drawRoundedRect(QRectF(x - 62, y + 96, 12, 26), 4, 4);
  p.setPen(QPen(kMuted, 1.2));
  p.drawLine(QPointF(x - 59, y + 79), QPointF(x - 53, y + 79));
  p.drawLine(QPointF(x - 56, y + 76), QPointF(x - 56, y + 82));
  p.drawLine(QPointF(x - 59, y + 109), QPointF(x - 53, y + 109));

  // Palm rest: the mark and the rear light strip.
  QPainterPath mark;
  mark.moveTo(x - 22, y + 282);
  mark.lineTo(x - 8, y + 282);
  mark.lineTo(x, y + 302);
  mark.lineTo(x + 8, y + 282);
  mark.lineTo(x + 22, y + 282);
  mark.lineTo(x + 4, y + 322);
  mark.lineTo(x - 4, y + 322);
  mark.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(34, 211, 238, 60));
  p.drawPath(mark.translated(0, 1.5));
  p.setBrush(kAccent);
  p.drawPath(mark);
  QPainterPath strip;
  strip.moveTo(x - 74, y + 372);
  strip.quadTo(x, y + 402, x + 74, y + 372);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(34, 211, 238, 70), 7, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(strip);
  p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(strip);

  // A soft highlight along the shell's spine.
  QLinearGradient sheen(x, y, x, y + 400);
  sheen.setColorAt(0, QColor(255, 255, 255, 26));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(sheen);
  p.drawEllipse(QRectF(x - 36, y + 200, 72, 180));
}

}  // namespace skingen
