#pragma once
// The nine icons of the event list, one per row type: a clock for a delay,
// arrows down and up for presses and releases, arrows along the axes for
// movements, and the ends of a repeated block.

#include <QColor>
#include <QPainter>
#include <QRect>

namespace veltrax::gui {

// Paints the icon of row type `type` (0..8) into the square `box`; other
// types paint nothing.
void PaintRowIcon(QPainter& painter, const QRect& box, int type, const QColor& color);

}  // namespace veltrax::gui
