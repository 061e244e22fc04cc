#pragma once
// An image shown as the window shows it: loaded into DataBuf with the
// section checks and converted into the engineer controls.

#include <gtest/gtest.h>

#include "image/DefaultImages.h"
#include "image/FieldConversions.h"
#include "image/SectionChecks.h"

namespace veltrax::test {

class ShownImage : public ::testing::Test {
 protected:
  void SetUp() override { Show(DefaultImage(1)); }
  void Show(const DeviceImage& image) {
    state.workingImage = image;
    ImageToDataBuf(state);
    PageViews views;
    DataBufToUI(state.dataBuf, state.controls, views);
  }
  // The factory image with the smart LED in its only mode, lights on.
  static DeviceImage SmartLedImage() {
    DeviceImage image = DefaultImage(1);
    image[0x000] |= 0x80;
    image[0x032] = 0x01;
    image[0x033] = 0xFE;
    StoreChecksum(std::span(image).subspan(0, 48));
    return image;
  }
  // The controls as they would reach the mouse.
  const DeviceImage& Written() {
    PagesToWorkingImage(state);
    return state.workingImage;
  }

  ImageState state;
  EngineerControls& c = state.controls;
};

}  // namespace veltrax::test
