#pragma once
// Small conversions the skinned controls share: texts of the language
// tables and colours of the layout as Qt takes them.

#include <QColor>
#include <QString>
#include <string>

#include "resources/LayoutTable.h"

namespace veltrax::gui {

inline QString FromUtf8Text(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

// The colour of a layout prefix ("Color_F_LBack"), or fallback (0xBBGGRR).
inline QColor LayoutColor(const LayoutTable& layout, const char* prefix, uint32_t fallback) {
  const Rgb rgb = SplitColor(layout.Color(prefix).value_or(fallback));
  return {rgb.r, rgb.g, rgb.b};
}

inline QString CssColor(const QColor& color) {
  return QStringLiteral("rgb(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

}  // namespace veltrax::gui
