#pragma once
// The integrity rules of the parameter sections: checksums, complement
// pairs, the checks that repair a damaged section with its built-in
// defaults, and moving sections between the working image and DataBuf.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/ImageState.h"

namespace veltrax {

// Low 8 bits of the sum of the bytes, XOR 0x5A.
uint8_t Checksum(std::span<const uint8_t> covered);
// Stores the checksum of all but the last byte of a checksummed section in
// its last byte (ParameterASection, ProfileSection, FireKeySection).
void StoreChecksum(std::span<uint8_t> section);
bool ChecksumValid(std::span<const uint8_t> section);

// The built-in defaults of a section (Section080, 0B0, 0D0 and the macro
// area are all zero); the checksummed ones carry their checksum.
std::vector<uint8_t> BuiltInDefaults(const Section& section);

// Each check repairs the section inside DataBuf and says whether it had to.
bool CheckParameterASection(DataBuf& dataBuf);
bool CheckParameterBSection(DataBuf& dataBuf);
bool CheckProfileSection(DataBuf& dataBuf);
bool CheckFireKeySection(DataBuf& dataBuf);

// Loads the working image into DataBuf with the section checks, and its
// macro area into the macro working buffer. state.repaired names the
// sections that failed their check. The working image is not changed.
void ImageToDataBuf(ImageState& state);

// Copies one section of DataBuf into the working image.
void CopySectionToImage(const DataBuf& dataBuf, const Section& section, DeviceImage& image);
// Copies the macro working buffer into the image's macro area.
void CopyMacroBufferToImage(const MacroWorkingBuffer& macros, DeviceImage& image);

// What is written to the mouse: the edited controls into DataBuf
// (UIToDataBuf), the checksums and the AIM key DPI in their order, then
// DataBuf and the macro working buffer into the working image.
void PagesToWorkingImage(ImageState& state);

}  // namespace veltrax
