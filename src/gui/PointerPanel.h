#pragma once
// The desktop pointer settings on the Advanced page: the pointer speed,
// double-click speed and scroll lines bars (Img_Spd1..11, Img_DbSpd1..11,
// Img_ScrSpd1..11 with their number labels), the acceleration and one
// screen per notch switches (lbl_IsControl/Img_IsControl,
// lbl_IsScreen/Img_IsScreen), and a hint that says where they are kept.
// Every click applies them at once.

#include <QLabel>
#include <QObject>
#include <memory>

#include "gui/SettingsPageLook.h"
#include "settings/PointerSettings.h"
#include "settings/PointerStore.h"

namespace veltrax::gui {

class ClickArea;
class MainWindow;
class SegmentBarView;
class Skin;

class PointerPanel : public QObject {
  Q_OBJECT

 public:
  PointerPanel(MainWindow& window, QWidget* page, Skin& skin, std::unique_ptr<PointerStore> store);

  void ApplyLanguage(const SettingsPageLook& look);
  // Reads the settings from the store and shows them.
  void RefreshPointerSettings();
  // Writes the settings held and applies them.
  void ApplyPointerSettings();

  const PointerSettings& Settings() const { return settings_; }

 private:
  void Build(QWidget* page);
  void Redraw();
  // The result of applying: a store that failed says so.
  void Report(const Status& applied);
  ClickArea* AddSwitch(QWidget* page, const QString& name, void (PointerPanel::*toggle)());
  void ToggleAcceleration();
  void ToggleOneScreen();

  MainWindow& window_;
  Skin& skin_;
  std::unique_ptr<PointerStore> store_;
  PointerSettings settings_;
  SegmentBarView* speed_ = nullptr;
  SegmentBarView* doubleClick_ = nullptr;
  SegmentBarView* scroll_ = nullptr;
  ClickArea* accelerationImage_ = nullptr;
  ClickArea* accelerationLabel_ = nullptr;
  ClickArea* screenImage_ = nullptr;
  ClickArea* screenLabel_ = nullptr;
  QLabel* hint_ = nullptr;
  BarLook look_ = BarLook::Slider;
};

}  // namespace veltrax::gui
