#include "gui/Furniture.h"

#include <array>

namespace veltrax::gui {

namespace {

using K = FurnitureKind;

constexpr std::array kItems{
    FurnitureItem{"Main", K::Page, "Btn_B1", "Str004"},
    FurnitureItem{"Second", K::Page, "Btn_B2", "Str005"},
    FurnitureItem{"Adv", K::Page, "Btn_B4", "Str007"},
    FurnitureItem{"Breath", K::Page, "Btn_B5", "Str008"},
    FurnitureItem{"Macro", K::Page, "Btn_B11", "Str014"},
    // Always at 10, 10, created hidden; no layout key shows it.
    FurnitureItem{"Engineer", K::Page, nullptr, nullptr},
    FurnitureItem{"Save", K::File, "Btn_B6", "Str009", DeviceFlow::SaveProfile},
    FurnitureItem{"Load", K::File, "Btn_B7", "Str010", DeviceFlow::LoadProfile},
    FurnitureItem{"Lang1", K::Language, "Btn_B8", "Str011"},
    FurnitureItem{"Lang2", K::Language, "Btn_B9", "Str012"},
    FurnitureItem{"Lang3", K::Language, "Btn_B10", "Str013"},
    FurnitureItem{"Confirm", K::Action, "Btn_A1", "Str000", DeviceFlow::Confirm},
    FurnitureItem{"Apply", K::Action, "Btn_A2", "Str001", DeviceFlow::Apply},
    FurnitureItem{"Read", K::Action, "Btn_A8", "Str017", DeviceFlow::Read},
    FurnitureItem{"Confirm1", K::Action, "Btn_A3", "Str002", DeviceFlow::Restore1},
    FurnitureItem{"Confirm2", K::Action, "Btn_A5", "Str015", DeviceFlow::Restore2},
    FurnitureItem{"Confirm3", K::Action, "Btn_A6", "Str016", DeviceFlow::Restore3},
    FurnitureItem{"Mini", K::Minimise, "Btn_A7", nullptr},
    FurnitureItem{"Exit", K::Exit, "Btn_A4", nullptr},
    FurnitureItem{"Web", K::Web, nullptr, nullptr},
};

}  // namespace

std::span<const FurnitureItem> FurnitureItems() { return kItems; }

const FurnitureItem* FurnitureItemOf(const QString& base) {
  for (const FurnitureItem& item : kItems) {
    if (base == QLatin1String(item.base)) return &item;
  }
  return nullptr;
}

}  // namespace veltrax::gui
