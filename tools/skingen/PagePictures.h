#pragma once
// The pictures of one language: the window background and the content
// pictures of the key, Advanced, Light and Macro pages, drawn to fit the
// positions of that language's layout.

#include <QImage>

#include "resources/LayoutTable.h"

namespace skingen {

inline constexpr int kWindowWidth = 1030;
inline constexpr int kWindowHeight = 662;
inline constexpr int kContentWidth = 826;
inline constexpr int kContentHeight = 510;

QImage Background(int language);
QImage KeyPage(const veltrax::LayoutTable& layout, int language);
QImage AdvancedPage(const veltrax::LayoutTable& layout, int language);
QImage LightPage(const veltrax::LayoutTable& layout, int language);
QImage MacroPage(const veltrax::LayoutTable& layout, int language);

}  // namespace skingen
