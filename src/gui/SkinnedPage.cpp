#include "gui/SkinnedPage.h"

#include <QMouseEvent>

#include "gui/Furniture.h"

namespace veltrax::gui {

namespace {

// The transparent overlay of a locked page: takes every click; a press still
// drags the window, which is all a locked page allows.
class PageOverlay : public QWidget {
 public:
  PageOverlay(const QString& name, QWidget* parent, std::function<void()> onPress)
      : QWidget(parent), onPress_(std::move(onPress)) {
    setObjectName(name);
    setAttribute(Qt::WA_NoSystemBackground);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    event->accept();
    if (event->button() == Qt::LeftButton) onPress_();
  }
  void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
  void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
  void wheelEvent(QWheelEvent* event) override { event->accept(); }

 private:
  std::function<void()> onPress_;
};

}  // namespace

SkinnedPage::SkinnedPage(int number, QWidget* parent) : QWidget(parent), number_(number) {
  setObjectName(QStringLiteral("gbPage%1").arg(number));
  background_ = new PictureView(QStringLiteral("Img_Base_%1").arg(number), this);
  content_ = new PictureView(QStringLiteral("Img_P%1").arg(number), this);
  // The content picture is part of the background: presses fall through to it.
  content_->setAttribute(Qt::WA_TransparentForMouseEvents);
  connect(background_, &PictureView::Pressed, this, &SkinnedPage::BackgroundPressed);
  if (number == 1) BuildKeyLabels();
  BuildFurniture();
  overlay_ = new PageOverlay(QStringLiteral("Disable_All_%1").arg(number), this, [this] { emit BackgroundPressed(); });
  KeepOverlayOnTop();
}

void SkinnedPage::KeepOverlayOnTop() {
  overlay_->raise();
  // The window buttons stay usable on a locked page, so the window can
  // always be minimised or closed.
  for (const char* base : {"Mini", "Exit"}) buttons_.value(QString::fromLatin1(base))->raise();
}

void SkinnedPage::BuildFurniture() {
  for (const FurnitureItem& item : FurnitureItems()) {
    const QString base = QString::fromLatin1(item.base);
    auto* button = new SkinButton(QStringLiteral("Btn_%1_%2").arg(base).arg(number_), this);
    buttons_.insert(base, button);
  }
  // The engineer button always lies at 10, 10, hidden.
  buttons_.value(QStringLiteral("Engineer"))->Place(10, 10, false);
}

void SkinnedPage::BuildKeyLabels() {
  for (int n = 1; n <= kKeyLabels; ++n) {
    keyLabels_[n - 1] = new SkinButton(QStringLiteral("Key%1").arg(n), this);
    keyLabels_[n - 1]->SetKeyboardActivation(true);
  }
  for (int k = 1; k <= kOptionLines; ++k) {
    optionPictures_[k - 1] = new PictureView(QStringLiteral("Img_ComboKey%1").arg(k), this);
    optionLines_[k - 1] = new SkinButton(QStringLiteral("IB_ComboKey%1").arg(k), this);
    optionPictures_[k - 1]->hide();
    optionLines_[k - 1]->hide();
  }
}

void SkinnedPage::SetBackground(const QString& pictureName, const QPixmap& picture) {
  background_->SetPicture(pictureName, picture);
  background_->move(0, 0);
  resize(background_->size());
  overlay_->setGeometry(rect());
}

void SkinnedPage::SetLocked(bool locked) { overlay_->setVisible(locked); }

}  // namespace veltrax::gui
