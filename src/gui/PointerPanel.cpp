#include "gui/PointerPanel.h"

#include "gui/ClickArea.h"
#include "gui/MainWindow.h"
#include "gui/SegmentBarView.h"
#include "gui/SettingsTexts.h"
#include "gui/Skin.h"
#include "resources/PictureStore.h"

namespace veltrax::gui {

namespace {

constexpr QPoint kNumberOffset(4, 24);
constexpr QSize kSwitchLabelSize(300, 20);
// The hint lies right of the panel's title, above the first bar's caption.
constexpr QRect kHintOverSpeedBar(90, -64, 216, 40);

}  // namespace

PointerPanel::PointerPanel(MainWindow& window, QWidget* page, Skin& skin, std::unique_ptr<PointerStore> store)
    : QObject(page), window_(window), skin_(skin), store_(std::move(store)) {
  Build(page);
}

void PointerPanel::Build(QWidget* page) {
  auto bar = [this, page](const QString& name) {
    auto* view = new SegmentBarView(QStringLiteral("Bar_") + name, QStringLiteral("Img_") + name + QStringLiteral("%1"),
                                    QStringLiteral("lbl_") + name + QStringLiteral("%1"), kPointerSteps, page);
    return view;
  };
  speed_ = bar(QStringLiteral("Spd"));
  connect(speed_, &SegmentBarView::SegmentClicked, this, [this](int k) { Report(settings_.ClickSpeed(k, *store_)); });
  doubleClick_ = bar(QStringLiteral("DbSpd"));
  connect(doubleClick_, &SegmentBarView::SegmentClicked, this,
          [this](int k) { Report(settings_.ClickDoubleClick(k, *store_)); });
  scroll_ = bar(QStringLiteral("ScrSpd"));
  connect(scroll_, &SegmentBarView::SegmentClicked, this, [this](int k) { Report(settings_.ClickScroll(k, *store_)); });

  accelerationImage_ = new ClickArea(QStringLiteral("Img_IsControl"), page, false);
  accelerationLabel_ = AddSwitch(page, QStringLiteral("lbl_IsControl"), &PointerPanel::ToggleAcceleration);
  screenImage_ = new ClickArea(QStringLiteral("Img_IsScreen"), page, false);
  screenLabel_ = AddSwitch(page, QStringLiteral("lbl_IsScreen"), &PointerPanel::ToggleOneScreen);

  hint_ = new QLabel(page);
  hint_->setObjectName(QStringLiteral("lbl_PointerHint"));
  hint_->setWordWrap(true);
  hint_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

ClickArea* PointerPanel::AddSwitch(QWidget* page, const QString& name, void (PointerPanel::*toggle)()) {
  auto* label = new ClickArea(name, page, true);
  label->resize(kSwitchLabelSize);
  connect(label, &ClickArea::Clicked, this, toggle);
  return label;
}

void PointerPanel::ApplyLanguage(const SettingsPageLook& look) {
  look_ = look.look;
  const SegmentBarView::Pictures pictures{QStringLiteral("Bar1_E"), skin_.Picture(QStringLiteral("Bar1_E")),
                                          QStringLiteral("Bar1_D"), skin_.Picture(QStringLiteral("Bar1_D"))};
  const QFont font = look.Font("Size_D");
  QFont hintFont = font;
  hintFont.setPixelSize(font.pixelSize() - 2);
  const QColor muted = ColorFromPacked(look.layout.Color("Color_D_notSelected").value_or(0x808080));
  QStringList numbers;
  for (int k = 1; k <= kPointerSteps; ++k) numbers << QString::number(k);
  for (auto [bar, key] : {std::pair{speed_, "Spd"}, {doubleClick_, "DbSpd"}, {scroll_, "ScrSpd"}}) {
    bar->SetPictures(pictures);
    bar->SetNumbers(numbers, font, muted);
    const Placement at = look.Place(key);
    bar->Place(at.x, at.y, look.layout.IntOr(std::string(key) + "_D", 0), kNumberOffset);
    bar->setVisible(at.visible);
  }
  const Placement acceleration = look.Place("IsControl");
  accelerationImage_->move(acceleration.x, acceleration.y);
  accelerationLabel_->move(acceleration.x - 8, acceleration.y);
  const Placement screen = look.Place("IsScreen");
  screenImage_->move(screen.x, screen.y);
  screenLabel_->move(screen.x - 2, screen.y);
  for (QWidget* w : {static_cast<QWidget*>(accelerationImage_), static_cast<QWidget*>(accelerationLabel_)}) {
    w->setVisible(acceleration.visible);
  }
  for (QWidget* w : {static_cast<QWidget*>(screenImage_), static_cast<QWidget*>(screenLabel_)}) {
    w->setVisible(screen.visible);
  }

  // The hint under the switches says where the settings are kept.
  const SettingsTexts& texts = SettingsTextsOf(look.language);
  const bool desktop = store_->Where(PointerGroup::Mouse) != store_->Where(PointerGroup::Desktop);
  hint_->setText(desktop ? texts.pointerDesktop : texts.pointerOwnFile);
  const QString tip = texts.pointerFileTip.arg(QString::fromStdString(store_->Where(PointerGroup::Desktop)));
  hint_->setFont(hintFont);
  hint_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(muted.name()));
  const Placement speed = look.Place("Spd");
  hint_->setGeometry(kHintOverSpeedBar.translated(speed.x, speed.y));
  hint_->setVisible(speed.visible);
  for (QWidget* w : {static_cast<QWidget*>(hint_), static_cast<QWidget*>(scroll_),
                     static_cast<QWidget*>(screenLabel_)}) {
    w->setToolTip(tip);
  }
  Redraw();
}

void PointerPanel::RefreshPointerSettings() {
  settings_.Refresh(*store_);
  Redraw();
}

void PointerPanel::ApplyPointerSettings() { Report(settings_.Apply(*store_)); }

void PointerPanel::ToggleAcceleration() { Report(settings_.ToggleAcceleration(*store_)); }

void PointerPanel::ToggleOneScreen() { Report(settings_.ToggleOneScreen(*store_)); }

void PointerPanel::Report(const Status& applied) {
  Redraw();
  if (!applied) window_.ShowMessageText(QString::fromStdString(applied.error().context));
}

void PointerPanel::Redraw() {
  speed_->Show(settings_.SpeedStep(), look_);
  doubleClick_->Show(settings_.DoubleClickStepShown(), look_);
  scroll_->Show(settings_.ScrollBarStep(), look_);
  scroll_->setEnabled(settings_.ScrollBarEnabled());
  auto mark = [this](ClickArea* image, bool on) {
    const QString name = on ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D");
    image->SetPicture(name, skin_.Picture(name));
  };
  mark(accelerationImage_, settings_.AccelerationOn());
  mark(screenImage_, settings_.OneScreen());
}

}  // namespace veltrax::gui
