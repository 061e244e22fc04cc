#include "image/DefaultImages.h"

#include <algorithm>
#include <initializer_list>

#include "image/SectionChecks.h"

namespace veltrax {
namespace {

// Gap bytes that are not 0xFF; 0x07F is the profile file type marker.
constexpr std::array<std::pair<uint16_t, uint8_t>, 9> kGapBytes{{{0x03C, 0xFE},
                                                                 {0x078, 0xFE},
                                                                 {0x07E, 0xFE},
                                                                 {kTypeMarkerAddress, kTypeMarker},
                                                                 {0x0A8, 0xFE},
                                                                 {0x0AE, 0xFD},
                                                                 {0x0C6, 0xFE},
                                                                 {0x0CC, 0xFD},
                                                                 {0x0FC, 0xFD}}};

void Put(DeviceImage& image, uint16_t address, std::initializer_list<uint8_t> bytes) {
  std::copy(bytes.begin(), bytes.end(), image.begin() + address);
}

void PutParameterA(DeviceImage& image) {
  const uint8_t mcpiOn = 1 << 0, lcpiOn = 1 << 2, sensor180 = 4 << 4;  // key mode saved, MCU LED
  const uint8_t reservedBits = 0xF8;                                   // 0x001 bits 3..7
  const uint8_t fullBrightness = 1 << 3, tenLeds = (13 - 10) << 4;
  Put(image, 0x000, {static_cast<uint8_t>(mcpiOn | lcpiOn | sensor180), reservedBits, 4,
                     static_cast<uint8_t>(fullBrightness | tenLeds), 0xFF, 0});
  Put(image, 0x006, {1, 4, 6, 7, 9, 10, 7});  // 800 1600 2400 3200 4800 6400 3200
  Put(image, 0x00D, {1, 4, 3, 0, 2, 5, 6});   // green purple blue red yellow cyan white
  Put(image, 0x014, {255, 0, 127, 255, 255, 255});
  Put(image, 0x01A, {0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 0, 0, 0, 255, 255, 255, 255, 0, 255, 255, 255});
  StoreChecksum(std::span(image).subspan(kParameterASection.address, kParameterASection.length));
}

void PutParameterB(DeviceImage& image) {
  const uint8_t level1 = 0, ledMode = 0x42, modeA = 0x00;  // mode 2, lights on, step 2
  Put(image, 0x030, {level1, static_cast<uint8_t>(0xFF - level1), ledMode, static_cast<uint8_t>(0xFF - ledMode),
                     modeA, static_cast<uint8_t>(0xFF - modeA), 0xFF, 0xFF});
}

void PutProfiles(DeviceImage& image) {
  constexpr std::array<std::array<uint8_t, 3>, kButtonsPerProfile> kCodes{{{0x01, 0x01, 0x00},
                                                                            {0x01, 0x04, 0x00},
                                                                            {0x01, 0x02, 0x00},
                                                                            {0x01, 0x08, 0x00},
                                                                            {0x01, 0x10, 0x00},
                                                                            {0x05, 0x00, 0x00},
                                                                            {0x07, 0x00, 0x00},
                                                                            {0x08, 0x00, 0x00},
                                                                            {0x06, 0x00, 0xF0}}};
  for (KeyProfile profile : {KeyProfile::ModeA, KeyProfile::ModeB}) {
    for (int n = 1; n <= kButtonsPerProfile; ++n) {
      std::copy(kCodes[n - 1].begin(), kCodes[n - 1].end(), image.begin() + ButtonCodeAddress(profile, n));
    }
  }
  StoreChecksum(std::span(image).subspan(kProfileSection.address, kProfileSection.length));
}

void PutPassThrough(DeviceImage& image) {
  for (int k = 0; k < 10; ++k) {
    Put(image, static_cast<uint16_t>(0x080 + 3 * k), {0x0E, 0x05, static_cast<uint8_t>(0x01 + 0x18 * k)});
    Put(image, static_cast<uint16_t>(0x0B0 + 2 * k), {0x00, 0xFF});
  }
  Put(image, 0x0D0, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0, 255, 0, 255,
                     0, 255, 255, 255, 128, 0, 255, 0, 128, 0, 255, 128, 255, 255, 255});
}

void PutFireKey(DeviceImage& image) {
  const uint8_t threeShots = 3 - 1, every48Ms = 48 / 8;
  Put(image, 0x0F0, {0x0A, 0xFD, threeShots, 0xA1, 0xFE, 0x03, 0x21, 0xFE, every48Ms, 0xFC});
  StoreChecksum(std::span(image).subspan(kFireKeySection.address, kFireKeySection.length));
}

DeviceImage BuildFactoryImage() {
  DeviceImage image;
  image.fill(0xFF);
  for (const auto& [address, value] : kGapBytes) image[address] = value;
  PutParameterA(image);
  PutParameterB(image);
  PutProfiles(image);
  PutPassThrough(image);
  PutFireKey(image);
  std::fill(image.begin() + kMacroAreaAddress, image.end(), 0x00);
  return image;
}

}  // namespace

const DeviceImage& DefaultImage(int n) {
  static const DeviceImage kFactory = BuildFactoryImage();
  (void)n;  // the three resources are identical
  return kFactory;
}

}  // namespace veltrax
