#include "resources/SkinPictures.h"

#include <array>

namespace veltrax {
namespace {

constexpr std::array<std::string_view, 35> kShared = {
    "BtnS_01",   "BtnS_02",      "BtnS_03",      "SetS_01",      "SetS_02", "SetS_03",
    "KeyS_01",   "KeyS_02",      "ExitS_01",     "ExitS_02",     "ExitS_03", "MiniS_01",
    "MiniS_02",  "WebS_01",      "WebS_02",      "WebS_03",      "MacroS_01", "MacroS_02",
    "MacroS_03", "MacroS_04",    "MacroBtnS_01", "MacroBtnS_02", "MacroBtnS_03", "CbS_D",
    "CbS_E",     "RdS_D",        "RdS_E",        "Bar1_D",       "Bar1_E",  "Bar2_D",
    "Bar2_E",    "Col_F",        "InsertDelayBase", "InsertKeyBase", "Msg"};

constexpr std::array<std::string_view, 5> kPerLanguage = {"BackGround", "Back1", "Back2", "Back3", "Back4"};

}  // namespace

std::span<const std::string_view> SharedPictureNames() { return kShared; }

std::span<const std::string_view> LanguagePictureSuffixes() { return kPerLanguage; }

std::string LanguagePictureName(int language, std::string_view suffix) {
  return "L" + std::to_string(language) + "_" + std::string(suffix);
}

}  // namespace veltrax
