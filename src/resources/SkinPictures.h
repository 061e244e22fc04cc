#pragma once
// The names of the skin's pictures, as resource names.

#include <span>
#include <string>
#include <string_view>

namespace veltrax {

// The shared pictures (BtnS_01 ... Msg) and, for languages 1 to 3, the
// backgrounds and content pictures (L1_BackGround, L1_Back1 ... L3_Back4).
std::span<const std::string_view> SharedPictureNames();
std::span<const std::string_view> LanguagePictureSuffixes();  // "BackGround", "Back1".."Back4"

// "L<language>_<suffix>", for example LanguagePictureName(2, "Back3") = "L2_Back3".
std::string LanguagePictureName(int language, std::string_view suffix);

// The animation of the loading window, whose frames fill the window.
inline constexpr std::string_view kLoadingAnimationName = "WaitGif";
inline constexpr int kLoadingWindowWidth = 206;
inline constexpr int kLoadingWindowHeight = 196;

}  // namespace veltrax
