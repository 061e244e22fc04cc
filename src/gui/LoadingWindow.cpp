#include "gui/LoadingWindow.h"

#include <QPainter>

#include "gui/WindowShape.h"

namespace veltrax::gui {

namespace {

QImage BlackSeeThrough(const QImage& frame) {
  QImage image = frame.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0x00FFFFFF) == 0 || qAlpha(line[x]) == 0) line[x] = 0;
    }
  }
  return image;
}

}  // namespace

QPoint LoadingPosition(const QRect& mainWindow, const QSize& loading) {
  return {mainWindow.left() + (mainWindow.width() - loading.width()) / 2,
          mainWindow.top() + (mainWindow.height() - loading.height()) / 2};
}

LoadingWindow::LoadingWindow()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus) {
  setObjectName(QStringLiteral("FormLoadingUI"));
  setAttribute(Qt::WA_TranslucentBackground);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFixedSize(kWidth, kHeight);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &LoadingWindow::NextFrame);
}

void LoadingWindow::SetFrames(const std::vector<LoadingFrame>& frames) {
  pixmaps_.clear();
  delays_.clear();
  masks_.clear();
  for (const LoadingFrame& frame : frames) {
    const QImage image = BlackSeeThrough(frame.image);
    pixmaps_.push_back(QPixmap::fromImage(image));
    QRegion shape = OutlineOf(image, qRgba(0, 0, 0, 0));
    shape.translate((kWidth - image.width()) / 2, (kHeight - image.height()) / 2);
    masks_.push_back(shape);
    delays_.push_back(frame.delayMs > 0 ? frame.delayMs : 100);
  }
  frame_ = 0;
  // The animation runs from creation on, shown or not.
  if (!pixmaps_.empty()) timer_.start(delays_.front());
  ShowFrame();
}

void LoadingWindow::ShowCentredOver(const QRect& mainWindow) {
  if (frameSource_) {
    SetFrames(frameSource_());
    frameSource_ = nullptr;
  }
  move(LoadingPosition(mainWindow, size()));
  // Topmost already: raised once when it appears.
  if (!isVisible()) {
    show();
    raise();
  }
}

void LoadingWindow::PlaceBelowCentreOf(const QRect& mainWindow) {
  move(LoadingPosition(mainWindow, size()) + QPoint(0, 40));
}

void LoadingWindow::NextFrame() {
  if (pixmaps_.empty()) return;
  frame_ = (frame_ + 1) % static_cast<int>(pixmaps_.size());
  timer_.start(delays_[frame_]);
  if (isVisible()) ShowFrame();
}

void LoadingWindow::ShowFrame() {
  // Without a compositor the black parts are cut away by the mask.
  if (frame_ < static_cast<int>(masks_.size())) setMask(masks_[frame_]);
  update();
}

void LoadingWindow::paintEvent(QPaintEvent*) {
  if (pixmaps_.empty()) return;
  QPainter painter(this);
  const QPixmap& pixmap = pixmaps_[frame_];
  painter.drawPixmap((width() - pixmap.width()) / 2, (height() - pixmap.height()) / 2, pixmap);
}

}  // namespace veltrax::gui
