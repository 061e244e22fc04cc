#pragma once
// The window furniture every skinned page carries a copy of: navigation bar,
// action buttons, window buttons and the web button, with the layout key
// that places each, the text id of its caption and the device flow it starts.

#include <optional>
#include <span>

#include <QString>

#include "image/FlowResult.h"

namespace veltrax::gui {

enum class FurnitureKind {
  Page,      // page buttons: SetS_ pictures, one of them selected
  File,      // Save and Load Profile: SetS_ pictures
  Language,  // language buttons: SetS_ pictures, the chosen one selected
  Action,    // Confirm, Apply, Read and the restore buttons: BtnS_ pictures
  Minimise,  // MiniS_ pictures
  Exit,      // ExitS_ pictures
  Web,       // WebS_ pictures, placed by the global options
};

struct FurnitureItem {
  const char* base;       // "Main" names Btn_Main_1 .. Btn_Main_4 over Img_Main_1 ..
  FurnitureKind kind;
  const char* layoutKey;  // "Btn_B1" is placed by Btn_B1_Enable, Btn_B1_X, Btn_B1_Y; null: placed by hand
  const char* captionId;  // null: no caption from the language table
  std::optional<DeviceFlow> flow = std::nullopt;  // what a click on any copy starts
};

std::span<const FurnitureItem> FurnitureItems();
// The item of a base name; null when there is none.
const FurnitureItem* FurnitureItemOf(const QString& base);

// Navigation bar and action captions are set on every copy of their button.
inline bool IsNavigationKind(FurnitureKind kind) {
  return kind == FurnitureKind::Page || kind == FurnitureKind::File || kind == FurnitureKind::Language;
}

}  // namespace veltrax::gui
