#include "ProfileArguments.h"

#include <span>

#include "image/ProfileFile.h"
#include "image/SectionChecks.h"
#include "resources/BuiltInTexts.h"

namespace veltrax::ctl {

Result<KeyProfile> ParseKeyProfile(std::string_view text) {
  if (text == "A" || text == "a") return KeyProfile::ModeA;
  if (text == "B" || text == "b") return KeyProfile::ModeB;
  return Error{ErrorKind::BadArgument, "the profile is A or B, not \"" + std::string(text) + "\""};
}

Result<DeviceImage> ReadEditableProfile(const std::string& file) {
  auto image = ReadProfileFile(file);
  if (!image) {
    if (image.error().kind != ErrorKind::BadFormat) return image.error();
    const LanguageTable texts = LoadLanguageTable(kEnglish);
    return Error{ErrorKind::BadFormat, image.error().context + " (" + texts.Text("Str102") + ")"};
  }
  if (!ChecksumValid(std::span(image.value()).subspan(kProfileSection.address, kProfileSection.length))) {
    return Error{ErrorKind::BadFormat, "the key profiles in " + file +
                                           " fail their checksum; the window would show the built-in defaults instead"};
  }
  return image;
}

}  // namespace veltrax::ctl
