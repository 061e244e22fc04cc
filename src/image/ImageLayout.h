#pragma once
// How the mouse's 2048-byte configuration memory is divided: the parameter
// sections, the macro area, and DataBuf, the packed parameter sections the
// pages edit.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "device/Protocol.h"

namespace veltrax {

constexpr int kImageSize = kMemorySize;
constexpr int kDataBufSize = 202;
constexpr uint16_t kMacroAreaAddress = 0x100;
constexpr int kMacroAreaSize = 1792;
constexpr uint16_t kTypeMarkerAddress = 0x07F;
constexpr uint8_t kTypeMarker = 0x99;

// The mouse's whole memory, and the program's working copy of it.
using DeviceImage = std::array<uint8_t, kImageSize>;
// The program's copy of the MacroArea, which the macro editor changes.
using MacroWorkingBuffer = std::array<uint8_t, kMacroAreaSize>;

// One parameter section: where it lies in the image and in DataBuf.
struct Section {
  std::string_view name;
  uint16_t address;  // first image address
  int length;
  int dataBufOffset;

  constexpr bool Contains(uint16_t imageAddress) const {
    return imageAddress >= address && imageAddress < address + length;
  }
};

constexpr Section kParameterASection{"ParameterASection", 0x000, 48, 0};
constexpr Section kParameterBSection{"ParameterBSection", 0x030, 8, 48};
constexpr Section kProfileSection{"ProfileSection", 0x040, 55, 56};
constexpr Section kSection080{"Section080", 0x080, 30, 111};
constexpr Section kSection0B0{"Section0B0", 0x0B0, 20, 141};
constexpr Section kSection0D0{"Section0D0", 0x0D0, 30, 161};
constexpr Section kFireKeySection{"FireKeySection", 0x0F0, 11, 191};

// In image order, which is also DataBuf order.
constexpr std::array<Section, 7> kParameterSections{kParameterASection, kParameterBSection, kProfileSection,
                                                    kSection080,        kSection0B0,        kSection0D0,
                                                    kFireKeySection};

// The two key profiles of ProfileSection, nine buttons each.
enum class KeyProfile { ModeA = 0, ModeB = 1 };
constexpr int kButtonsPerProfile = 9;
constexpr int kButtonCodeBytes = 3;

// Image address of the code of button 1..9 of a key profile.
constexpr uint16_t ButtonCodeAddress(KeyProfile profile, int button) {
  return static_cast<uint16_t>((profile == KeyProfile::ModeA ? 0x040 : 0x05B) + kButtonCodeBytes * (button - 1));
}

// The seven parameter sections packed in image order (202 bytes).
class DataBuf {
 public:
  std::array<uint8_t, kDataBufSize> bytes{};

  // The byte that lies at imageAddress in the image; the address must be
  // inside one of the seven sections.
  uint8_t& At(uint16_t imageAddress) { return bytes.at(Index(imageAddress)); }
  uint8_t At(uint16_t imageAddress) const { return bytes.at(Index(imageAddress)); }

  std::span<uint8_t> Bytes(const Section& s) { return std::span(bytes).subspan(s.dataBufOffset, s.length); }
  std::span<const uint8_t> Bytes(const Section& s) const {
    return std::span(bytes).subspan(s.dataBufOffset, s.length);
  }

  // The three bytes (type, data 1, data 2) of button 1..9 of a key profile.
  std::span<uint8_t, kButtonCodeBytes> ButtonCode(KeyProfile profile, int button) {
    return std::span<uint8_t, kButtonCodeBytes>(&At(ButtonCodeAddress(profile, button)), kButtonCodeBytes);
  }
  std::span<const uint8_t, kButtonCodeBytes> ButtonCode(KeyProfile profile, int button) const {
    return std::span<const uint8_t, kButtonCodeBytes>(&bytes.at(Index(ButtonCodeAddress(profile, button))),
                                                      kButtonCodeBytes);
  }

  static constexpr int OffsetOf(uint16_t imageAddress) {
    for (const Section& s : kParameterSections) {
      if (s.Contains(imageAddress)) return s.dataBufOffset + (imageAddress - s.address);
    }
    return -1;  // a gap
  }

 private:
  // A gap address gives an index that at() refuses.
  static constexpr size_t Index(uint16_t imageAddress) { return static_cast<size_t>(OffsetOf(imageAddress)); }
};

}  // namespace veltrax
