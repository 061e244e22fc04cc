// A profile file as the window and veltraxctl take it: the type check, the
// section checks with their repairs, the conversions to the controls and
// back, and the button names of both key profiles.

#include <cstddef>
#include <cstdint>
#include <span>

#include "base/TextTable.h"
#include "image/FieldConversions.h"
#include "image/ProfileFile.h"
#include "image/SectionChecks.h"
#include "keys/ButtonAssigner.h"
#include "macro/BaseMacroTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace veltrax;
  const std::span<const uint8_t> bytes(data, size);
  (void)ParseProfile(bytes);
  if (size != kImageSize) return 0;
  // The checks run on any 2048 bytes, with or without the type marker.
  ImageState state;
  std::copy(bytes.begin(), bytes.end(), state.workingImage.begin());
  ImageToDataBuf(state);
  PageViews views;
  DataBufToUI(state.dataBuf, state.controls, views);
  UIToDataBuf(state.controls, state.dataBuf);
  PagesToWorkingImage(state);
  const MapTextTable texts;
  const auto area = std::span<const uint8_t, kMacroAreaBytes>(state.macroBuffer.data(), kMacroAreaBytes);
  (void)ButtonNamesOf(state.controls.codeTexts, texts, BaseMacroNamesOf(area));
  return 0;
}
