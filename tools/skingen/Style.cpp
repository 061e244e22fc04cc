#include "Style.h"

#include <QLinearGradient>
#include <QStringList>

namespace skingen {

QFont Font(int pixelSize, int weight, bool condensed) {
  QFont font;
  font.setFamilies(QStringList{condensed ? "DejaVu Sans Condensed" : "DejaVu Sans", "DejaVu Sans",
                               "Droid Sans Fallback"});
  font.setPixelSize(pixelSize);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

void Smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
}

void Panel(QPainter& p, const QRectF& r, const QColor& fill, const QColor& border, qreal radius) {
  QLinearGradient gradient(r.topLeft(), r.bottomLeft());
  gradient.setColorAt(0, fill.lighter(112));
  gradient.setColorAt(1, fill);
  p.setPen(QPen(border, 1));
  p.setBrush(gradient);
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

void SectionTitle(QPainter& p, qreal x, qreal y, const QString& text) {
  p.setPen(Qt::NoPen);
  p.setBrush(colors::kAccent);
  p.drawRoundedRect(QRectF(x, y + 3, 3, 12), 1.5, 1.5);
  TextAt(p, x + 10, y, text, Font(13, QFont::Bold, true), colors::kText);
}

QPainterPath Mark(QPointF origin, qreal scale) {
  static constexpr QPointF kCorners[] = {{0, 0}, {10, 0}, {18, 18}, {26, 0}, {36, 0}, {22, 28}, {14, 28}};
  QPainterPath mark;
  for (const QPointF& corner : kCorners) {
    const QPointF point = origin + corner * scale;
    if (mark.elementCount() == 0) {
      mark.moveTo(point);
    } else {
      mark.lineTo(point);
    }
  }
  mark.closeSubpath();
  return mark;
}

void TextAt(QPainter& p, qreal x, qreal y, const QString& text, const QFont& font, const QColor& color) {
  p.setFont(font);
  p.setPen(color);
  const QFontMetricsF metrics(font);
  p.drawText(QPointF(x, y + metrics.ascent()), text);
}

void TextIn(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& color,
            int flags) {
  p.setFont(font);
  p.setPen(color);
  p.drawText(box, flags, text);
}

}  // namespace skingen
