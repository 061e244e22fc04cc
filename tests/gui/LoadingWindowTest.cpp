#include "gui/LoadingWindow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace veltrax::gui {
namespace {

std::vector<LoadingFrame> TwoFrames() {
  std::vector<LoadingFrame> frames;
  for (int i = 0; i < 2; ++i) {
    QImage image(100, 100, QImage::Format_ARGB32);
    image.fill(Qt::black);
    image.setPixelColor(10 + 50 * i, 50, Qt::white);
    frames.push_back({image, 80});
  }
  return frames;
}

TEST(LoadingWindow, CentresOverTheMainWindow) {
  EXPECT_EQ(LoadingPosition(QRect(100, 50, 1030, 662), QSize(206, 196)), QPoint(100 + 412, 50 + 233));
  EXPECT_EQ(LoadingPosition(QRect(0, 0, 1076, 640), QSize(206, 196)), QPoint(435, 222));
}

TEST(LoadingWindow, TopmostAnimatedAndSeeThroughWhereBlack) {
  LoadingWindow loading;
  EXPECT_EQ(loading.size(), QSize(206, 196));
  EXPECT_TRUE(loading.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(loading.windowFlags() & Qt::FramelessWindowHint);
  bool asked = false;
  loading.SetFrameSource([&asked] {
    asked = true;
    return TwoFrames();
  });
  EXPECT_FALSE(asked);
  loading.ShowCentredOver(QRect(0, 0, 1030, 662));
  EXPECT_TRUE(asked);
  EXPECT_TRUE(loading.isVisible());
  EXPECT_EQ(loading.pos(), QPoint(412, 233));
  EXPECT_TRUE(loading.Animating());
  // The 100 x 100 frame lies centred: its pixel (10, 50) is at (63, 98).
  EXPECT_TRUE(loading.mask().contains(QPoint(63, 98)));
  EXPECT_FALSE(loading.mask().contains(QPoint(64, 98)));
  EXPECT_FALSE(loading.mask().contains(QPoint(5, 5)));
  loading.hide();
}

}  // namespace
}  // namespace veltrax::gui
