#pragma once
// The loading window (TFormLoadingUI): a small borderless, always-on-top
// window whose only content is the running loading animation; black is
// see-through. Shown during every exchange of configuration memory.

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "resources/SkinPictures.h"

namespace veltrax::gui {

// Where the loading window goes over the main window: centred.
QPoint LoadingPosition(const QRect& mainWindow, const QSize& loading);

struct LoadingFrame {
  QImage image;
  int delayMs = 100;
};

class LoadingWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = kLoadingWindowWidth;
  static constexpr int kHeight = kLoadingWindowHeight;

  LoadingWindow();

  // The animation's frames; black pixels become see-through.
  void SetFrames(const std::vector<LoadingFrame>& frames);
  // Frames decoded only when the window is first shown, which keeps them
  // off the way to the main window's first frame.
  void SetFrameSource(std::function<std::vector<LoadingFrame>()> source) { frameSource_ = std::move(source); }
  // Centred over the main window, shown and raised.
  void ShowCentredOver(const QRect& mainWindow);
  // The first placement: centred horizontally, 40 pixels below the centre.
  void PlaceBelowCentreOf(const QRect& mainWindow);
  int FrameIndex() const { return frame_; }
  bool Animating() const { return timer_.isActive(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void NextFrame();
  void ShowFrame();

  std::function<std::vector<LoadingFrame>()> frameSource_;
  std::vector<QPixmap> pixmaps_;
  std::vector<int> delays_;
  std::vector<QRegion> masks_;
  int frame_ = 0;
  QTimer timer_;
};

}  // namespace veltrax::gui
