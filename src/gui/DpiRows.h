#pragma once
// The DPI part of the Advanced page (gbPage2): for each level its label
// lbl_DPI<n>, current-level mark Img_DPI<n>, value bar Img_DPI<n>_1..11,
// value label lbl_DPI<n>Value and colour swatch lbl_DPI<n>Col; the AIM key
// bar and label; the level count choice cbb_DPICount. Every click goes to
// the settings rules and the rows are redrawn from the engineer controls.

#include <QComboBox>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <array>
#include <optional>

#include "gui/ColorChoiceDialog.h"
#include "gui/SettingsPageLook.h"
#include "image/EngineerControls.h"
#include "resources/LayoutTable.h"

namespace veltrax::gui {

class ClickArea;
class MainWindow;
class SegmentBarView;
class Skin;

class DpiRows : public QObject {
  Q_OBJECT

 public:
  DpiRows(MainWindow& window, QWidget* page, Skin& skin);

  // Places and styles the rows; Refresh draws them.
  void ApplyLanguage(const SettingsPageLook& look);
  // Redraws every row from the engineer controls.
  void Refresh();

  // The open colour choice dialog, if any.
  ColorChoiceDialog* ColorDialog() const { return colorDialog_; }

 private:
  struct Row {
    ClickArea* label = nullptr;
    ClickArea* check = nullptr;
    SegmentBarView* bar = nullptr;
    QLabel* value = nullptr;
    ClickArea* color = nullptr;
    bool checkPlaced = false;
  };

  void Build(QWidget* page);
  void Place(const SettingsPageLook& look);
  void RefreshRow(int level);
  void LevelLabelClicked(int level);
  void ColorClicked(int level);
  void OpenColorChoice(int level);
  QString ValueText(int index) const;
  EngineerControls& Controls();
  // After a user's change: every page shows it.
  void Edited();

  MainWindow& window_;
  Skin& skin_;
  std::array<Row, kDpiLevels> rows_;
  QLabel* aimLabel_ = nullptr;
  SegmentBarView* aimBar_ = nullptr;
  QLabel* aimValue_ = nullptr;
  QComboBox* count_ = nullptr;
  QLabel* hint_ = nullptr;
  QPointer<ColorChoiceDialog> colorDialog_;

  LayoutTable layout_;  // group M for the colour choice dialog
  QString fontName_;
  BarLook look_ = BarLook::Slider;
  bool countVisible_ = false;  // DPI_Count_Visible is 1
  bool countPlaced_ = false;
  QColor selected_;
  QColor notSelected_;
};

}  // namespace veltrax::gui
