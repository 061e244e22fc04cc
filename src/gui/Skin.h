#pragma once
// The skin's pictures as pixmaps, by resource name, decoded once each.

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <functional>

namespace veltrax::gui {

class Skin {
 public:
  // load gives the decoded picture of a name, or a null image when the skin
  // has no such picture.
  using Loader = std::function<QImage(const QString& name)>;
  explicit Skin(Loader load) : load_(std::move(load)) {}

  const QPixmap& Picture(const QString& name);
  const QImage& Image(const QString& name);

 private:
  Loader load_;
  QHash<QString, QImage> images_;
  QHash<QString, QPixmap> pixmaps_;
};

}  // namespace veltrax::gui
