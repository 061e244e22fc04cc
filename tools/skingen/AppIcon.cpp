#include "AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "Style.h"

namespace skingen {

using namespace colors;

QImage AppIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  Smooth(p);
  // Drawn on a 64-unit grid: a rounded tile with a margin, as icon themes
  // leave one, and the mark across its middle.
  p.scale(size / 64.0, size / 64.0);
  const QRectF tile(4, 4, 56, 56);
  QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
  fill.setColorAt(0, kPanelRaised);
  fill.setColorAt(1, kBase);
  p.setPen(QPen(kLineBright, size >= 48 ? 1.0 : 0));
  p.setBrush(fill);
  p.drawRoundedRect(tile, 12, 12);

  QRadialGradient glow(QPointF(32, 36), 26);
  glow.setColorAt(0, QColor(34, 211, 238, 70));
  glow.setColorAt(1, QColor(34, 211, 238, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawRoundedRect(tile, 12, 12);

  p.setBrush(kAccent);
  p.drawPath(Mark(QPointF(32 - 36 * 0.5 * 1.1, 33 - 28 * 0.5 * 1.1), 1.1));
  return image;
}

}  // namespace skingen
