#pragma once
// The top view of the mouse on the key page, with its nine buttons.

#include <QPainter>
#include <QPointF>

namespace skingen {

// Draws the mouse with its nose at `top` (the middle of its front edge).
void DrawMouse(QPainter& p, QPointF top);

// Where button n (1 to 9) lies on the drawing: 1 left, 2 wheel (middle),
// 3 right, 4 back, 5 forward, 6 DPI, 7 DPI +, 8 DPI -, 9 fire.
QPointF ButtonAnchor(int button, QPointF top);

}  // namespace skingen
