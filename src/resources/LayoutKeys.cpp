#include "resources/LayoutKeys.h"

#include <array>

namespace veltrax {
namespace {

// LayoutKeys.txt, the list the skin tools read as well.
constexpr std::string_view kLayoutKeys[] = {
#include "resources/LayoutKeyList.inc"
};

constexpr std::array<std::string_view, 10> kGlobalOptionKeys = {
    "Web_Enable", "Web", "Web_X", "Web_Y", "Rev_Manu_ID", "Rev_Pro_ID", "Path", "TR_Enable", "DPILED_Status", "Num_Order",
};

}  // namespace

std::span<const std::string_view> AllLayoutKeys() { return kLayoutKeys; }

std::span<const std::string_view> AllGlobalOptionKeys() { return kGlobalOptionKeys; }

}  // namespace veltrax
