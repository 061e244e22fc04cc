#pragma once
// The pictures every language shares: buttons in their states, check and
// radio marks, bar segments, the swatch frame, box and dialog backgrounds.

#include <QImage>
#include <QString>
#include <map>

namespace skingen {

// Resource name -> picture, for every shared picture.
std::map<QString, QImage> SharedPictures();

}  // namespace skingen
