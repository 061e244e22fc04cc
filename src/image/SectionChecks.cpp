#include "image/SectionChecks.h"

#include <algorithm>
#include <numeric>

#include "image/FieldConversions.h"

namespace veltrax {
namespace {

constexpr uint8_t kChecksumMask = 0x5A;

constexpr std::array<uint8_t, 48> kParameterADefaults{
    0xFF, 0xFE, 0x04, 0x00, 0xFF, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x01, 0x04, 0x03,
    0x00, 0x02, 0x05, 0x06, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00,
    0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x79};
constexpr std::array<uint8_t, 8> kParameterBDefaults{0x01, 0xFE, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF};
// One key profile, buttons 1 to 9.
constexpr std::array<uint8_t, 27> kProfileDefaults{0x01, 0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00,
                                                   0x01, 0x08, 0x00, 0x01, 0x10, 0x00, 0x05, 0x00, 0x00,
                                                   0x0F, 0x00, 0x00, 0x02, 0x08, 0x07, 0x09, 0x00, 0x00};
constexpr std::array<uint8_t, 11> kFireKeyDefaults{0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x64, 0xFC, 0x70};

// The three complement pairs of ParameterBSection and their repair values.
struct PairRepair {
  int first;
  uint8_t low, high;
};
constexpr std::array<PairRepair, 3> kPairRepairs{{{0, 0x01, 0xFE}, {2, 0x01, 0xFE}, {4, 0x00, 0xFF}}};

bool CheckChecksummed(DataBuf& dataBuf, const Section& section) {
  std::span<uint8_t> bytes = dataBuf.Bytes(section);
  if (ChecksumValid(bytes)) return false;
  const std::vector<uint8_t> defaults = BuiltInDefaults(section);
  std::copy(defaults.begin(), defaults.end(), bytes.begin());
  return true;
}

void CopySectionFromImage(const DeviceImage& image, const Section& section, DataBuf& dataBuf) {
  std::copy_n(image.begin() + section.address, section.length, dataBuf.Bytes(section).begin());
}

}  // namespace

uint8_t Checksum(std::span<const uint8_t> covered) {
  const unsigned sum = std::accumulate(covered.begin(), covered.end(), 0U);
  return static_cast<uint8_t>((sum & 0xFF) ^ kChecksumMask);
}

void StoreChecksum(std::span<uint8_t> section) { section.back() = Checksum(section.first(section.size() - 1)); }

bool ChecksumValid(std::span<const uint8_t> section) {
  return Checksum(section.first(section.size() - 1)) == section.back();
}

std::vector<uint8_t> BuiltInDefaults(const Section& section) {
  if (section.address == kParameterASection.address) return {kParameterADefaults.begin(), kParameterADefaults.end()};
  if (section.address == kParameterBSection.address) return {kParameterBDefaults.begin(), kParameterBDefaults.end()};
  if (section.address == kFireKeySection.address) return {kFireKeyDefaults.begin(), kFireKeyDefaults.end()};
  if (section.address == kProfileSection.address) {
    std::vector<uint8_t> bytes(kProfileDefaults.begin(), kProfileDefaults.end());
    bytes.insert(bytes.end(), kProfileDefaults.begin(), kProfileDefaults.end());
    bytes.push_back(0);
    StoreChecksum(bytes);
    return bytes;
  }
  return std::vector<uint8_t>(section.length, 0x00);
}

bool CheckParameterASection(DataBuf& dataBuf) { return CheckChecksummed(dataBuf, kParameterASection); }
bool CheckProfileSection(DataBuf& dataBuf) { return CheckChecksummed(dataBuf, kProfileSection); }
bool CheckFireKeySection(DataBuf& dataBuf) { return CheckChecksummed(dataBuf, kFireKeySection); }

bool CheckParameterBSection(DataBuf& dataBuf) {
  std::span<uint8_t> bytes = dataBuf.Bytes(kParameterBSection);
  bool repaired = false;
  for (const PairRepair& pair : kPairRepairs) {
    if (bytes[pair.first] + bytes[pair.first + 1] == 0xFF) continue;
    bytes[pair.first] = pair.low;
    bytes[pair.first + 1] = pair.high;
    repaired = true;
  }
  return repaired;
}

void ImageToDataBuf(ImageState& state) {
  const DeviceImage& image = state.workingImage;
  DataBuf& buf = state.dataBuf;
  state.repaired.clear();
  auto note = [&](bool repaired, const Section& s) {
    if (repaired) state.repaired.emplace_back(s.name);
  };
  CopySectionFromImage(image, kParameterASection, buf);
  note(CheckParameterASection(buf), kParameterASection);
  CopySectionFromImage(image, kParameterBSection, buf);
  note(CheckParameterBSection(buf), kParameterBSection);
  CopySectionFromImage(image, kProfileSection, buf);
  note(CheckProfileSection(buf), kProfileSection);
  for (const Section& s : {kSection080, kSection0B0, kSection0D0, kFireKeySection}) {
    CopySectionFromImage(image, s, buf);
  }
  note(CheckFireKeySection(buf), kFireKeySection);
  std::copy_n(image.begin() + kMacroAreaAddress, kMacroAreaSize, state.macroBuffer.begin());
}

void CopySectionToImage(const DataBuf& dataBuf, const Section& section, DeviceImage& image) {
  std::span<const uint8_t> bytes = dataBuf.Bytes(section);
  std::copy(bytes.begin(), bytes.end(), image.begin() + section.address);
}

void CopyMacroBufferToImage(const MacroWorkingBuffer& macros, DeviceImage& image) {
  std::copy(macros.begin(), macros.end(), image.begin() + kMacroAreaAddress);
}

void PagesToWorkingImage(ImageState& state) {
  DataBuf& buf = state.dataBuf;
  UIToDataBuf(state.controls, buf);
  StoreChecksum(buf.Bytes(kParameterASection));
  AIMKeyToDataBuf(state.controls, buf);
  StoreChecksum(buf.Bytes(kProfileSection));
  StoreChecksum(buf.Bytes(kFireKeySection));
  for (const Section& s : kParameterSections) CopySectionToImage(buf, s, state.workingImage);
  CopyMacroBufferToImage(state.macroBuffer, state.workingImage);
}

}  // namespace veltrax
