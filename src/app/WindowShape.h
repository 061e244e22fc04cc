#pragma once
// The window's outline: every pixel of the background that is not maroon
// (128, 0, 0), the see-through colour.

#include <QImage>
#include <QRegion>

namespace veltrax::app {

QRegion OutlineOf(const QImage& background);

}  // namespace veltrax::app
