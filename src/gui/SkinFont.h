#pragma once
// The fonts of the skinned controls: the layout gives sizes in points of a
// 96 dpi screen, the language table the face.

#include <QFont>
#include <QString>

namespace veltrax::gui {

inline int PixelSizeOfPoints(int points) { return (points * 96 + 36) / 72; }

inline QFont SkinFont(const QString& family, int points) {
  QFont font;
  if (!family.isEmpty()) font.setFamily(family);
  font.setPixelSize(PixelSizeOfPoints(points));
  return font;
}

}  // namespace veltrax::gui
