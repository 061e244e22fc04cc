#pragma once
// The skin's look: colours, type and the few shapes every picture shares.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace skingen {

namespace colors {
inline const QColor kSeeThrough(128, 0, 0);  // the window's colour key
inline const QColor kBase(13, 15, 19);
inline const QColor kBaseTop(20, 23, 29);
inline const QColor kPanel(20, 24, 31);
inline const QColor kPanelRaised(27, 32, 41);
inline const QColor kLine(40, 47, 58);
inline const QColor kLineBright(62, 72, 88);
inline const QColor kText(232, 236, 242);
inline const QColor kMuted(140, 150, 168);
inline const QColor kFaint(86, 95, 110);
inline const QColor kAccent(34, 211, 238);
inline const QColor kAccentDeep(14, 116, 144);
inline const QColor kDanger(232, 64, 86);
}  // namespace colors

// A sans face with a CJK fallback, sized in pixels so pictures do not depend
// on the screen's resolution.
QFont Font(int pixelSize, int weight = QFont::Normal, bool condensed = false);

// A painter with antialiasing for the shapes and text of a picture.
void Smooth(QPainter& p);

// A rounded panel with a hairline border.
void Panel(QPainter& p, const QRectF& r, const QColor& fill = colors::kPanel,
           const QColor& border = colors::kLine, qreal radius = 6);

// A section title in capitals with a short accent bar before it.
void SectionTitle(QPainter& p, qreal x, qreal y, const QString& text);

// The VELTRAX mark, a V cut from two bars: 36 units wide and 28 high at
// scale 1, its top left at origin.
QPainterPath Mark(QPointF origin, qreal scale);

// Plain text at a baseline-free position: the top left of its line box.
void TextAt(QPainter& p, qreal x, qreal y, const QString& text, const QFont& font, const QColor& color);

// Text wrapped into a box.
void TextIn(QPainter& p, const QRectF& box, const QString& text, const QFont& font, const QColor& color,
            int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);

}  // namespace skingen
