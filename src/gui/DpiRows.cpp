#include "gui/DpiRows.h"

#include "gui/ClickArea.h"
#include "gui/ColorChoiceDialog.h"
#include "gui/MainWindow.h"
#include "gui/SegmentBarView.h"
#include "gui/SettingsTexts.h"
#include "gui/Skin.h"
#include "gui/UserDialogs.h"
#include "image/FieldTables.h"
#include "resources/PictureStore.h"
#include "settings/DpiLevels.h"
#include "settings/Lighting.h"

namespace veltrax::gui {

namespace {

constexpr int kDpiSegments = 11;
constexpr QSize kLevelLabelSize(60, 18);
constexpr QSize kValueLabelSize(64, 18);
constexpr QSize kCountSize(90, 22);
// The hint under the rows, in the Advanced page picture's coordinates.
constexpr QRect kHintArea(28, 430, 420, 56);

QColor ToQColor(const RgbColor& c) { return QColor(c.r, c.g, c.b); }

void Move(QWidget* widget, const Placement& place, bool shown = true) {
  widget->move(place.x, place.y);
  widget->setVisible(place.visible && shown);
}

}  // namespace

DpiRows::DpiRows(MainWindow& window, QWidget* page, Skin& skin) : QObject(page), window_(window), skin_(skin) {
  Build(page);
}

EngineerControls& DpiRows::Controls() { return window_.State().controls; }

// Every page shows the change, this one included.
void DpiRows::Edited() { window_.ControlsEdited(this); }

void DpiRows::Build(QWidget* page) {
  count_ = new QComboBox(page);
  count_->setObjectName(QStringLiteral("cbb_DPICount"));
  for (int n = kMinLevels; n <= kDpiLevels; ++n) count_->addItem(QString::number(n));
  count_->resize(kCountSize);
  connect(count_, &QComboBox::activated, this, [this](int index) {
    ChooseLevelCount(Controls(), index + kMinLevels);
    Edited();
  });
  for (int n = 1; n <= kDpiLevels; ++n) {
    Row& row = rows_[n - 1];
    row.check = new ClickArea(QStringLiteral("Img_DPI%1").arg(n), page, true);
    connect(row.check, &ClickArea::Clicked, this, [this, n] {
      ChooseCurrentLevel(Controls(), n);
      Edited();
    });
    row.label = new ClickArea(QStringLiteral("lbl_DPI%1").arg(n), page, true);
    row.label->resize(kLevelLabelSize);
    connect(row.label, &ClickArea::Clicked, this, [this, n] { LevelLabelClicked(n); });
    row.bar = new SegmentBarView(QStringLiteral("Bar_DPI%1").arg(n), QStringLiteral("Img_DPI%1_").arg(n) + QStringLiteral("%1"),
                                 QString(), kDpiSegments, page);
    connect(row.bar, &SegmentBarView::SegmentClicked, this, [this, n](int k) {
      ChooseLevelValue(Controls(), n, k - 1);
      Edited();
    });
    row.value = new QLabel(page);
    row.value->setObjectName(QStringLiteral("lbl_DPI%1Value").arg(n));
    row.value->resize(kValueLabelSize);
    row.color = new ClickArea(QStringLiteral("lbl_DPI%1Col").arg(n), page, true);
    connect(row.color, &ClickArea::Clicked, this, [this, n] { ColorClicked(n); });
  }
  aimLabel_ = new QLabel(page);
  aimLabel_->setObjectName(QStringLiteral("lbl_AIMKey"));
  aimBar_ = new SegmentBarView(QStringLiteral("Bar_AIMKey"), QStringLiteral("Img_AIMKey_%1"), QString(), kDpiSegments,
                               page);
  connect(aimBar_, &SegmentBarView::SegmentClicked, this, [this](int k) {
    const AimChoice choice = ChooseAimDpi(Controls(), window_.State().dataBuf, k - 1);
    Edited();
    if (choice == AimChoice::NoAimKey) window_.ShowMessageText(QString::fromUtf8(kNoAimKeyMessage.data(),
                                                                                 kNoAimKeyMessage.size()));
  });
  hint_ = new QLabel(page);
  hint_->setObjectName(QStringLiteral("lbl_DPIHint"));
  hint_->setWordWrap(true);
  hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  aimValue_ = new QLabel(page);
  aimValue_->setObjectName(QStringLiteral("lbl_AIMKeyValue"));
  aimValue_->resize(kValueLabelSize);
}

void DpiRows::ApplyLanguage(const SettingsPageLook& look) {
  layout_ = look.layout;
  fontName_ = look.fontName;
  look_ = look.look;
  countVisible_ = look.layout.IntOr("DPI_Count_Visible", 0) == 1;
  selected_ = ColorFromPacked(look.layout.Color("Color_D_Selected").value_or(0xFFFFFF));
  notSelected_ = ColorFromPacked(look.layout.Color("Color_D_notSelected").value_or(0x808080));
  const QColor back = ColorFromPacked(look.layout.Color("Color_D_Back").value_or(0x000000));
  const QColor border = ColorFromPacked(look.layout.Color("Color_D_Border").value_or(0x404040));
  const QFont font = look.Font("Size_D");
  const QString labelStyle = QStringLiteral("background: transparent;");
  for (int n = 1; n <= kDpiLevels; ++n) {
    Row& row = rows_[n - 1];
    row.label->setFont(font);
    row.value->setFont(font);
    row.value->setStyleSheet(labelStyle);
    row.check->SetPicture(QStringLiteral("CbS_D"), skin_.Picture(QStringLiteral("CbS_D")));
    row.color->SetPicture(QStringLiteral("Col_F"), skin_.Picture(QStringLiteral("Col_F")));
    row.bar->SetPictures({QStringLiteral("Bar2_E"), skin_.Picture(QStringLiteral("Bar2_E")), QStringLiteral("Bar2_D"),
                          skin_.Picture(QStringLiteral("Bar2_D"))});
  }
  aimLabel_->setFont(font);
  aimLabel_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(selected_.name()));
  aimLabel_->setText(window_.Text("Str222"));
  aimLabel_->adjustSize();
  aimValue_->setFont(font);
  aimValue_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(selected_.name()));
  aimBar_->SetPictures({QStringLiteral("Bar2_E"), skin_.Picture(QStringLiteral("Bar2_E")), QStringLiteral("Bar2_D"),
                        skin_.Picture(QStringLiteral("Bar2_D"))});
  count_->setFont(font);
  count_->setStyleSheet(QStringLiteral("QComboBox { color: %1; background: %2; border: 1px solid %3; padding-left: 6px; }"
                                       "QComboBox QAbstractItemView { color: %1; background: %2; "
                                       "selection-background-color: %3; }")
                            .arg(selected_.name(), back.name(), border.name()));
  const SettingsTexts& texts = SettingsTextsOf(look.language);
  for (int n = 1; n <= kDpiLevels; ++n) rows_[n - 1].label->SetCaption(texts.levelLabel.arg(n), selected_);
  hint_->setText(countVisible_ ? texts.dpiHintCount : texts.dpiHintLabels);
  QFont small = font;
  small.setPixelSize(font.pixelSize() - 1);
  hint_->setFont(small);
  hint_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(notSelected_.name()));
  hint_->setGeometry(kHintArea.translated(look.layout.IntOr("P2_X", 0), look.layout.IntOr("P2_Y", 0)));
  Place(look);
}

void DpiRows::Place(const SettingsPageLook& look) {
  for (int n = 1; n <= kDpiLevels; ++n) {
    Row& row = rows_[n - 1];
    const std::string name = "DPI" + std::to_string(n);
    const Placement check = look.Place(name + "_Check");
    Move(row.check, check);
    row.checkPlaced = check.visible;
    Move(row.label, look.Place(name));
    Move(row.value, look.Place(name + "_Value"));
    Move(row.color, look.Place(name + "_Color"));
    const Placement steps = look.Place(name + "_Steps");
    row.bar->Place(steps.x, steps.y, look.layout.IntOr(name + "_Steps_D", 0));
    row.bar->setVisible(steps.visible);
  }
  Move(aimLabel_, look.Place("AIMKey"));
  Move(aimValue_, look.Place("AIMKey_Value"));
  const Placement aim = look.Place("AIMKey_Steps");
  aimBar_->Place(aim.x, aim.y, look.layout.IntOr("AIMKey_Steps_D", 0));
  aimBar_->setVisible(aim.visible);
  const Placement count = look.Place("DPI_Count");
  count_->move(count.x, count.y);
  countPlaced_ = count.visible;
  count_->setVisible(countPlaced_ && countVisible_);
}

QString DpiRows::ValueText(int index) const {
  return index >= 0 && index <= 10 ? window_.Text(DpiTextId(index).c_str()) : QString();
}

void DpiRows::Refresh() {
  for (int n = 1; n <= kDpiLevels; ++n) RefreshRow(n);
  const EngineerControls& c = Controls();
  aimBar_->Show(c.AimDpiIndex + 1, look_);
  aimValue_->setText(ValueText(c.AimDpiIndex));
  if (c.LevelCount >= kMinLevels) count_->setCurrentIndex(c.LevelCount - kMinLevels);
}

void DpiRows::RefreshRow(int level) {
  const EngineerControls& c = Controls();
  Row& row = rows_[level - 1];
  const bool enabled = LevelEnabled(c, level);
  const QColor color = countVisible_ || enabled ? selected_ : notSelected_;
  row.label->SetCaption(row.label->Caption(), color);
  // Level labels add and remove levels only where the count choice is hidden.
  row.label->setFocusPolicy(countVisible_ ? Qt::NoFocus : Qt::TabFocus);
  const QString mark = CurrentLevel(c) == level ? QStringLiteral("CbS_E") : QStringLiteral("CbS_D");
  row.check->SetPicture(mark, skin_.Picture(mark));
  row.check->setEnabled(enabled);
  row.check->setVisible(row.checkPlaced && (!countVisible_ || enabled));
  const int index = LevelValueIndex(c, level);
  row.bar->Show(index + 1, look_);
  row.bar->setEnabled(enabled);
  row.value->setText(ValueText(index));
  row.value->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(color.name()));
  // A colour the swatch cannot show leaves it as it was.
  if (const std::optional<RgbColor> swatch = LevelSwatch(c, level)) row.color->SetSwatch(ToQColor(*swatch));
  row.color->setEnabled(enabled);
}

void DpiRows::LevelLabelClicked(int level) {
  if (countVisible_) return;
  if (ClickLevelLabel(Controls(), level)) Edited();
}

void DpiRows::ColorClicked(int level) {
  switch (LevelColorDialog(Controls(), level)) {
    case ColorDialog::None: return;
    case ColorDialog::Named: OpenColorChoice(level); return;
    case ColorDialog::System: break;
  }
  const std::optional<RgbColor> now = LevelSwatch(Controls(), level);
  const std::optional<QColor> chosen = window_.Dialogs().PickColor(now ? ToQColor(*now) : QColor(Qt::white));
  if (!chosen) return;
  ChooseLevelRgb(Controls(), level,
                 {static_cast<uint8_t>(chosen->red()), static_cast<uint8_t>(chosen->green()),
                  static_cast<uint8_t>(chosen->blue())});
  Edited();
}

void DpiRows::OpenColorChoice(int level) {
  if (colorDialog_) colorDialog_->close();
  colorDialog_ = new ColorChoiceDialog(
      &window_, level, skin_, layout_,
      {window_.Text("Str522"), window_.Text("Str511"), window_.Text("Str512"), fontName_});
  connect(colorDialog_, &ColorChoiceDialog::Confirmed, this, [this](const ColorChoice& choice) {
    choice.Confirm(Controls());
    Edited();
  });
  colorDialog_->show();
  colorDialog_->activateWindow();
}

}  // namespace veltrax::gui
