#include "gui/LightPage.h"

#include "gui/ClickArea.h"
#include "gui/MainWindow.h"
#include "gui/SegmentBarView.h"
#include "gui/SettingsTexts.h"
#include "gui/Skin.h"
#include "gui/UserDialogs.h"
#include "resources/GlobalOptions.h"
#include "resources/PictureStore.h"
#include "settings/KeyModeOptions.h"

namespace veltrax::gui {

namespace {

constexpr QSize kChoiceLabelSize(110, 20);
constexpr QPoint kChoiceLabelOffset(-4, -2);
constexpr QPoint kNumberOffset(0, 24);

// Where the Light page picture has the captions of the MCU LED controls,
// in its own coordinates: the light effect, speed and count panels below
// their titles, and the left key + CPI row around its picture, which is
// blanked in the panel's colour.
constexpr QRect kEffectsPanel(14, 336, 448, 158);
constexpr QRect kSpeedPanel(478, 46, 334, 82);
constexpr QRect kCountPanel(478, 178, 334, 74);
constexpr QRect kLeftCpiRow(28, -8, 420, 34);  // from the row picture's y
constexpr QColor kLightingPanel(21, 26, 34);
// The hint under the key mode colour swatches.
constexpr QRect kColorHintArea(492, 380, 306, 60);

QColor ToQColor(const RgbColor& c) { return QColor(c.r, c.g, c.b); }

}  // namespace

LightPage::LightPage(MainWindow& window, QWidget* page, Skin& skin) : QObject(page), window_(window), skin_(skin) {
  Build(page);
}

EngineerControls& LightPage::Controls() const { return window_.State().controls; }

// Every page shows the change, this one included.
void LightPage::Edited() { window_.ControlsEdited(this); }

LightPage::Side LightPage::AddSide(QWidget* page, const QString& name, const std::string& key) {
  Side side;
  side.key = key;
  side.image = new ClickArea(QStringLiteral("Img_") + name, page, false);
  side.label = new ClickArea(QStringLiteral("lbl_") + name, page, true);
  side.label->resize(kChoiceLabelSize);
  return side;
}

void LightPage::Build(QWidget* page) {
  struct PairNames {
    PairKind kind;
    const char* first;
    const char* second;
    const char* firstKey;
    const char* secondKey;
  };
  const PairNames names[] = {{PairKind::Lights, "LEDOn", "LEDOff", "LEDOn", "LEDOff"},
                             {PairKind::MiddleCpi, "MCPIOn", "MCPIOff", "MCPIOn", "MCPIOff"},
                             {PairKind::LeftCpi, "LCPIOn", "LCPIOff", "LEDSwitchOn", "LEDSwitchOff"},
                             {PairKind::KeyModeMemory, "SaveKeyMode", "NoSaveKeyMode", "SaveKeyMode", "NoSaveKeyMode"},
                             {PairKind::Brightness, "MCULED3Control", "MCULED6Control", "LED3Control", "LED6Control"}};
  for (const PairNames& n : names) {
    Pair pair{n.kind, AddSide(page, QString::fromLatin1(n.first), n.firstKey),
              AddSide(page, QString::fromLatin1(n.second), n.secondKey)};
    connect(pair.first.label, &ClickArea::Clicked, this, [this, kind = n.kind] { Choose(kind, true); });
    connect(pair.second.label, &ClickArea::Clicked, this, [this, kind = n.kind] { Choose(kind, false); });
    pairs_.push_back(pair);
  }
  for (int mode = 1; mode <= kLedModes; ++mode) {
    modes_[mode - 1] = AddSide(page, QStringLiteral("MCULEDMode%1").arg(mode), "MCULEDMode" + std::to_string(mode));
    connect(modes_[mode - 1].label, &ClickArea::Clicked, this, [this, mode] {
      ChooseCurrentMode(Controls(), mode);
      Edited();
    });
  }
  step_ = new SegmentBarView(QStringLiteral("Bar_MCULEDStep"), QStringLiteral("Img_MCULEDStep_%1"),
                             QStringLiteral("lbl_MCULEDStep_%1"), kSpeedSegments, page);
  connect(step_, &SegmentBarView::SegmentClicked, this, [this](int k) {
    ClickSpeedSegment(Controls(), bars_, k);
    Edited();
  });
  count_ = new SegmentBarView(QStringLiteral("Bar_MCULEDNum"), QStringLiteral("Img_MCULEDNum_%1"),
                              QStringLiteral("lbl_MCULEDNum_%1"), kLedCountSegments, page);
  connect(count_, &SegmentBarView::SegmentClicked, this, [this](int k) {
    ClickLedCountSegment(Controls(), bars_, k);
    Edited();
  });
  for (int mode = 1; mode <= 2; ++mode) {
    keyModeColors_[mode - 1] = new ClickArea(QStringLiteral("IB_Mode%1Color").arg(mode), page, true);
    connect(keyModeColors_[mode - 1], &ClickArea::Clicked, this, [this, mode] { PickKeyModeColor(mode); });
  }
  colorHint_ = new QLabel(page);
  colorHint_->setObjectName(QStringLiteral("lbl_KeyModeColorHint"));
  colorHint_->setWordWrap(true);
  colorHint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  for (const char* name : {"lbl_SmartLedEffects", "lbl_SmartLedSpeed", "lbl_SmartLedCount", "lbl_SmartLedLeftCpi"}) {
    auto* note = new QLabel(page);
    note->setObjectName(QString::fromLatin1(name));
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    smartLedNotes_.push_back(note);
  }
}

void LightPage::PlaceSide(Side& side, const SettingsPageLook& look) {
  const Placement at = look.Place(side.key);
  side.image->move(at.x, at.y);
  side.label->move(at.x + kChoiceLabelOffset.x(), at.y + kChoiceLabelOffset.y());
  side.placed = at.visible;
}

void LightPage::ApplyLanguage(const SettingsPageLook& look) {
  look_ = look.look;
  for (Pair& pair : pairs_) {
    PlaceSide(pair.first, look);
    PlaceSide(pair.second, look);
  }
  for (Side& mode : modes_) PlaceSide(mode, look);

  const QFont font = look.Font("Size_E");
  const QColor text = ColorFromPacked(look.layout.Color("Color_E").value_or(0xFFFFFF));
  const SegmentBarView::Pictures pictures{QStringLiteral("Bar1_E"), skin_.Picture(QStringLiteral("Bar1_E")),
                                          QStringLiteral("Bar1_D"), skin_.Picture(QStringLiteral("Bar1_D"))};
  // The numbers under the bars follow Num_Order; segment k keeps its meaning.
  QStringList steps, counts;
  for (int k = 1; k <= kSpeedSegments; ++k) steps << QString::number(ScaleNumber(k, kSpeedSegments, look.numOrder));
  for (int k = 1; k <= kLedCountSegments; ++k) {
    counts << QString::number(ScaleNumber(k, kLedCountSegments, look.numOrder) + kMinLedCount - 1);
  }
  for (auto [bar, key, numbers, placed] : {std::tuple{step_, "MCULEDStep", steps, &stepPlaced_},
                                           std::tuple{count_, "MCULEDNum", counts, &countPlaced_}}) {
    bar->SetPictures(pictures);
    bar->SetNumbers(numbers, font, text);
    const Placement at = look.Place(key);
    bar->Place(at.x, at.y, look.layout.IntOr(std::string(key) + "_D", 0), kNumberOffset);
    *placed = at.visible;
  }
  for (int mode = 1; mode <= 2; ++mode) {
    ClickArea* swatch = keyModeColors_[mode - 1];
    swatch->SetPicture(QStringLiteral("Col_F"), skin_.Picture(QStringLiteral("Col_F")));
    const Placement at = look.Place("KeyMode" + std::to_string(mode));
    swatch->move(at.x, at.y);
    swatch->setVisible(at.visible);
  }
  PlaceNotes(look);
}

void LightPage::PlaceNotes(const SettingsPageLook& look) {
  const QPoint content(look.layout.IntOr("P3_X", 0), look.layout.IntOr("P3_Y", 0));
  const int leftCpiY = look.Place("LEDSwitchOn").y;
  const QRect areas[] = {kEffectsPanel.translated(content), kSpeedPanel.translated(content),
                         kCountPanel.translated(content), kLeftCpiRow.translated(content.x(), leftCpiY)};
  const SettingsTexts& texts = SettingsTextsOf(look.language);
  const QString words[] = {texts.smartLedNoEffects, texts.smartLedMcuOnly, texts.smartLedMcuOnly, QString()};
  const QColor back = ColorFromPacked(look.layout.Color("Color_D_Back").value_or(0x181C24));
  const QColor border = ColorFromPacked(look.layout.Color("Color_D_Border").value_or(0x343C4A));
  const QColor muted = ColorFromPacked(look.layout.Color("Color_D_notSelected").value_or(0x707888));
  const QFont font = look.Font("Size_E");
  colorHint_->setText(texts.keyModeColorHint);
  colorHint_->setFont(font);
  colorHint_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(muted.name()));
  colorHint_->setGeometry(kColorHintArea.translated(content));
  for (size_t i = 0; i < smartLedNotes_.size(); ++i) {
    QLabel* note = smartLedNotes_[i];
    note->setGeometry(areas[i]);
    note->setText(words[i]);
    note->setFont(font);
    note->setStyleSheet(words[i].isEmpty()
                            ? QStringLiteral("background: %1;").arg(kLightingPanel.name())
                            : QStringLiteral("color: %1; background: %2; border: 1px solid %3; border-radius: 4px;")
                                  .arg(muted.name(), back.name(), border.name()));
  }
}

void LightPage::ShowImage() {
  ShowLightBars(Controls(), bars_);
  Refresh();
}

bool LightPage::FirstChosen(PairKind kind) const {
  const EngineerControls& c = Controls();
  switch (kind) {
    case PairKind::Lights: return FirstSideChosen(c, OnOff::Lights);
    case PairKind::MiddleCpi: return FirstSideChosen(c, OnOff::MiddleCpiSwitch);
    case PairKind::LeftCpi: return FirstSideChosen(c, OnOff::LeftCpiSwitch);
    case PairKind::KeyModeMemory: return c.rb_Save.checked;
    case PairKind::Brightness: break;
  }
  return FirstSideChosen(c, OnOff::Brightness);
}

void LightPage::Choose(PairKind kind, bool first) {
  EngineerControls& c = Controls();
  switch (kind) {
    case PairKind::Lights: ChooseSide(c, OnOff::Lights, first); break;
    case PairKind::MiddleCpi: ChooseSide(c, OnOff::MiddleCpiSwitch, first); break;
    case PairKind::LeftCpi: ChooseSide(c, OnOff::LeftCpiSwitch, first); break;
    case PairKind::KeyModeMemory: ChooseKeyModeMemory(c, first); break;
    case PairKind::Brightness: ChooseSide(c, OnOff::Brightness, first); break;
  }
  Edited();
}

void LightPage::ShowSide(Side& side, bool chosen, bool shown) {
  const QString name = chosen ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D");
  side.image->SetPicture(name, skin_.Picture(name));
  side.image->setVisible(side.placed && shown);
  side.label->setVisible(side.placed && shown);
}

void LightPage::Refresh() {
  const EngineerControls& c = Controls();
  const bool mcu = ShowsMcuLed(c);
  for (Pair& pair : pairs_) {
    const bool shown = pair.kind != PairKind::LeftCpi || mcu;
    const bool first = FirstChosen(pair.kind);
    ShowSide(pair.first, first, shown);
    ShowSide(pair.second, !first, shown);
  }
  for (int mode = 1; mode <= kLedModes; ++mode) {
    ShowSide(modes_[mode - 1], CurrentMode(c) == mode, mcu && ModeOffered(c, mode));
  }
  step_->Show(bars_.stepSegment, look_);
  count_->Show(bars_.countSegment, look_);
  step_->setVisible(stepPlaced_ && mcu);
  count_->setVisible(countPlaced_ && mcu);
  for (QLabel* note : smartLedNotes_) note->setVisible(!mcu);
  for (int mode = 1; mode <= 2; ++mode) {
    if (const std::optional<RgbColor> color = KeyModeSwatch(c, mode)) keyModeColors_[mode - 1]->SetSwatch(ToQColor(*color));
  }
}

void LightPage::PickKeyModeColor(int mode) {
  const std::optional<RgbColor> now = KeyModeSwatch(Controls(), mode);
  const std::optional<QColor> chosen = window_.Dialogs().PickColor(now ? ToQColor(*now) : QColor(Qt::white));
  if (!chosen) return;
  ChooseKeyModeColor(Controls(), mode,
                     {static_cast<uint8_t>(chosen->red()), static_cast<uint8_t>(chosen->green()),
                      static_cast<uint8_t>(chosen->blue())});
  Edited();
}

}  // namespace veltrax::gui
