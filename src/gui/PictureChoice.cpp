#include "gui/PictureChoice.h"

#include "gui/PictureView.h"
#include "gui/Skin.h"
#include "gui/SkinButton.h"

namespace veltrax::gui {
namespace {
constexpr int kLabelHeight = 20;
const QColor kGrey(0x72, 0x71, 0x71);
}  // namespace

PictureChoice::PictureChoice(const QString& pictureName, const QString& labelName, QWidget* parent, Skin& skin)
    : QObject(parent),
      skin_(skin),
      picture_(new PictureView(pictureName, parent)),
      label_(new SkinButton(labelName, parent)) {
  label_->SetKeyboardActivation(true);
  connect(label_, &SkinButton::Clicked, this, &PictureChoice::Chosen);
  connect(picture_, &PictureView::Pressed, this, [this] {
    if (label_->isEnabled()) emit Chosen();
  });
  SetOn(false);
}

void PictureChoice::Place(int x, int y, int labelOffset, int clickWidth) {
  clickWidth_ = clickWidth;
  picture_->move(x, y);
  label_->move(x + labelOffset, y - 2);
  Resize();
  label_->raise();
}

void PictureChoice::SetCaption(const QString& caption) {
  label_->SetCaption(caption);
  Resize();
}

void PictureChoice::Resize() {
  const QString& caption = label_->Caption();
  const int width = caption.isEmpty() ? clickWidth_ : label_->fontMetrics().horizontalAdvance(caption) + 8;
  label_->resize(width, kLabelHeight);
}

void PictureChoice::SetOn(bool on) {
  on_ = on;
  const QString name = on ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D");
  picture_->SetPicture(name, skin_.Picture(name));
}

void PictureChoice::SetTextColor(const QColor& color) {
  textColor_ = color;
  label_->SetTextColor(label_->isEnabled() ? color : kGrey);
}

void PictureChoice::SetEnabled(bool enabled) {
  label_->setEnabled(enabled);
  label_->SetTextColor(enabled ? textColor_ : kGrey);
  picture_->setEnabled(enabled);
}

void PictureChoice::SetVisible(bool visible) {
  label_->setVisible(visible);
  picture_->setVisible(visible);
}

}  // namespace veltrax::gui
