#pragma once
// The Light page (gbPage3): the on/off pairs (lights, middle key + CPI,
// left key + CPI), the key mode memory pair and the brightness pair, each
// side a choice picture Img_<side> under its click area lbl_<side>; the
// seven MCU LED modes; the LED speed step and LED count bars; the two key
// mode colour swatches. With the smart LED the MCU LED controls are hidden
// and notes cover their captions. Everything is drawn from the engineer
// controls and changed only through the settings rules.

#include <QLabel>
#include <QObject>
#include <array>
#include <string>
#include <vector>

#include "gui/SettingsPageLook.h"
#include "settings/Lighting.h"

namespace veltrax::gui {

class ClickArea;
class MainWindow;
class SegmentBarView;
class Skin;

class LightPage : public QObject {
  Q_OBJECT

 public:
  LightPage(MainWindow& window, QWidget* page, Skin& skin);

  // Places and styles the controls; Refresh draws them.
  void ApplyLanguage(const SettingsPageLook& look);
  // An image was shown: the bars take its count and step.
  void ShowImage();
  // Redraws every control from the engineer controls.
  void Refresh();

  const LightBars& Bars() const { return bars_; }

 private:
  // One side of a pair: its picture, its click area, the layout key.
  struct Side {
    std::string key;  // the layout key of its picture
    ClickArea* image = nullptr;
    ClickArea* label = nullptr;
    bool placed = false;
  };
  enum class PairKind { Lights, MiddleCpi, LeftCpi, KeyModeMemory, Brightness };
  struct Pair {
    PairKind kind;
    Side first;
    Side second;
  };

  void Build(QWidget* page);
  Side AddSide(QWidget* page, const QString& name, const std::string& key);
  void PlaceSide(Side& side, const SettingsPageLook& look);
  void Choose(PairKind kind, bool first);
  bool FirstChosen(PairKind kind) const;
  void ShowSide(Side& side, bool chosen, bool shown);
  void PlaceNotes(const SettingsPageLook& look);
  void PickKeyModeColor(int mode);
  EngineerControls& Controls() const;
  // After a user's change: every page shows it.
  void Edited();

  MainWindow& window_;
  Skin& skin_;
  std::vector<Pair> pairs_;
  std::array<Side, kLedModes> modes_{};
  SegmentBarView* step_ = nullptr;
  SegmentBarView* count_ = nullptr;
  bool stepPlaced_ = false;
  bool countPlaced_ = false;
  std::array<ClickArea*, 2> keyModeColors_{};
  std::vector<QLabel*> smartLedNotes_;
  QLabel* colorHint_ = nullptr;
  LightBars bars_;
  BarLook look_ = BarLook::Slider;
};

}  // namespace veltrax::gui
