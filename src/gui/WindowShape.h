#pragma once
// A window's outline: every pixel of its picture that is not the see-through
// colour (maroon 128, 0, 0 for the main window).

#include <QImage>
#include <QRegion>

namespace veltrax::gui {

QRegion OutlineOf(const QImage& picture, QRgb seeThrough = qRgb(128, 0, 0));

}  // namespace veltrax::gui
