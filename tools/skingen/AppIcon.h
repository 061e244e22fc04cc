#pragma once
// The application's icon: the VELTRAX mark on a dark tile, for the desktop's
// application list and the window.

#include <QImage>

namespace skingen {

// The sizes of the hicolor theme's folders the icon is drawn for.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256, 512};

QImage AppIcon(int size);

}  // namespace skingen
