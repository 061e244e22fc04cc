#pragma once
// The skin's dialog background ("Msg") under a small dialog's controls; a
// plain dark fill where the skin lacks the picture.

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace veltrax::gui {

inline const QColor kDialogFill{0x1B, 0x1E, 0x24};

// Paints the picture at the dialog's top left, or the fill over it all.
inline void PaintDialogBackground(QWidget& dialog, const QPixmap& picture) {
  QPainter painter(&dialog);
  if (picture.isNull()) {
    painter.fillRect(dialog.rect(), kDialogFill);
    return;
  }
  painter.drawPixmap(0, 0, picture);
}

}  // namespace veltrax::gui
