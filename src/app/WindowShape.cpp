#include "app/WindowShape.h"

#include <QBitmap>

namespace veltrax::app {

QRegion OutlineOf(const QImage& background) {
  QImage mask = background.convertToFormat(QImage::Format_ARGB32)
                    .createMaskFromColor(qRgb(128, 0, 0), Qt::MaskOutColor);
  // Set bits are the pixels kept; the bitmap reads colour index 1 as set
  // only with this colour table.
  mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  return QRegion(QBitmap::fromImage(mask));
}

}  // namespace veltrax::app
