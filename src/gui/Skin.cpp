#include "gui/Skin.h"

namespace veltrax::gui {

const QImage& Skin::Image(const QString& name) {
  auto it = images_.find(name);
  if (it == images_.end()) it = images_.insert(name, load_(name));
  return *it;
}

const QPixmap& Skin::Picture(const QString& name) {
  auto it = pixmaps_.find(name);
  if (it == pixmaps_.end()) it = pixmaps_.insert(name, QPixmap::fromImage(Image(name)));
  return *it;
}

}  // namespace veltrax::gui
