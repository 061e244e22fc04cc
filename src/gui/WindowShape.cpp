#include "gui/WindowShape.h"

#include <QBitmap>

namespace veltrax::gui {

QRegion OutlineOf(const QImage& picture, QRgb seeThrough) {
  QImage mask = picture.convertToFormat(QImage::Format_ARGB32).createMaskFromColor(seeThrough, Qt::MaskOutColor);
  // Set bits are the pixels kept; the bitmap reads colour index 1 as set
  // only with this colour table.
  mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  return QRegion(QBitmap::fromImage(mask));
}

}  // namespace veltrax::gui
