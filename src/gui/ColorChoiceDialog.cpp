#include "gui/DialogBackground.h"
#include "gui/ColorChoiceDialog.h"

#include <QKeyEvent>

#include "gui/ClickArea.h"
#include "gui/SkinFont.h"
#include "gui/Skin.h"
#include "gui/SkinButton.h"
#include "resources/PictureStore.h"
#include "settings/LedColors.h"

namespace veltrax::gui {

namespace {

constexpr QSize kSize(530, 200);
constexpr int kSwatchPitch = 40;
constexpr int kMarkBelow = 44;

Placement At(const LayoutTable& layout, const std::string& name) {
  return layout.Place(name, kSize.width(), kSize.height());
}

}  // namespace

ColorChoiceDialog::ColorChoiceDialog(QWidget* mainWindow, int level, Skin& skin, const LayoutTable& layout,
                                     const Texts& texts)
    : QWidget(mainWindow, Qt::Tool | Qt::FramelessWindowHint), skin_(skin), choice_(level) {
  setObjectName(QStringLiteral("Form4"));
  setAttribute(Qt::WA_DeleteOnClose);
  background_ = skin.Picture(QStringLiteral("Msg"));
  setFixedSize(background_.isNull() ? kSize : background_.deviceIndependentSize().toSize());
  setFont(SkinFont(texts.fontName, layout.IntOr("Size_M", 9)));
  const QColor text = ColorFromPacked(layout.Color("Color_M").value_or(0xFFFFFF));

  auto* caption = new QLabel(texts.title, this);
  caption->setObjectName(QStringLiteral("lbl_Title"));
  caption->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(text.name()));
  const Placement titleAt = At(layout, "NorLED_Tte");
  caption->move(titleAt.x, titleAt.y);
  caption->adjustSize();

  const Placement swatchesAt = At(layout, "NorLED_Col");
  for (int k = 1; k <= 7; ++k) {
    auto* swatch = new ClickArea(QStringLiteral("cs_DPI%1Col").arg(k), this, true);
    swatch->SetPicture(QStringLiteral("Col_F"), skin.Picture(QStringLiteral("Col_F")));
    const RgbColor color = kNamedColorValues[k - 1];
    swatch->SetSwatch(QColor(color.r, color.g, color.b));
    swatch->move(swatchesAt.x + (k - 1) * kSwatchPitch, swatchesAt.y);
    connect(swatch, &ClickArea::Clicked, this, [this, k] { MarkSwatch(k); });
    swatches_[k - 1] = swatch;
    auto* mark = new ClickArea(QStringLiteral("Img_Mark%1").arg(k), this, false);
    connect(mark, &ClickArea::Clicked, this, [this, k] { MarkSwatch(k); });
    marks_[k - 1] = mark;
  }
  RefreshMarks();
  for (int k = 1; k <= 7; ++k) {
    marks_[k - 1]->move(swatches_[k - 1]->geometry().center().x() - marks_[k - 1]->width() / 2,
                        swatchesAt.y + kMarkBelow);
  }

  SkinButton* confirm = AddButton(QStringLiteral("Btn_NorLEDConfirm"), QStringLiteral("BtnS"), texts.ok,
                                  At(layout, "NorLED_Cfm"));
  connect(confirm, &SkinButton::Clicked, this, &ColorChoiceDialog::Confirm);
  SkinButton* clear = AddButton(QStringLiteral("Btn_NorLEDClear"), QStringLiteral("BtnS"), texts.cancel,
                                At(layout, "NorLED_Clear"));
  connect(clear, &SkinButton::Clicked, this, &ColorChoiceDialog::ClearMarks);
  SkinButton* close = AddButton(QStringLiteral("Btn_NorLEDClose"), QStringLiteral("ExitS"), QString(),
                                At(layout, "NorLED_Close"));
  connect(close, &SkinButton::Clicked, this, &QWidget::close);
  for (SkinButton* button : {confirm, clear}) button->SetTextColor(text);

  if (mainWindow) move(mainWindow->geometry().center() - rect().center());
}

SkinButton* ColorChoiceDialog::AddButton(const QString& name, const QString& picture, const QString& caption,
                                         const Placement& at) {
  auto* button = new SkinButton(name, this);
  button->SetPictureSet(picture, [this](const QString& name) { return skin_.Picture(name); });
  button->SetCaption(caption);
  button->setFont(font());
  button->move(at.x, at.y);
  return button;
}

void ColorChoiceDialog::MarkSwatch(int swatch) {
  choice_.Mark(swatch);
  RefreshMarks();
}

void ColorChoiceDialog::ClearMarks() {
  choice_.Clear();
  RefreshMarks();
}

void ColorChoiceDialog::Confirm() {
  emit Confirmed(choice_);
  close();
}

void ColorChoiceDialog::RefreshMarks() {
  for (int k = 1; k <= 7; ++k) {
    const QString name = choice_.Marked(k) ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D");
    marks_[k - 1]->SetPicture(name, skin_.Picture(name));
  }
}

void ColorChoiceDialog::paintEvent(QPaintEvent*) { PaintDialogBackground(*this, background_); }

void ColorChoiceDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      Confirm();
      return;
    case Qt::Key_Escape: close(); return;
    default: break;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace veltrax::gui
