#pragma once
// The engineer page (gbPage6): its banner Img_Logo4 with the page buttons
// and Btn_Close, the tab control Pg_Parameter with the operator tab and the
// engineer tab, its own apply (btn_Write), save, load and default buttons,
// and the status line lbl_Content. Its controls mirror the engineer
// controls that every page edits; engineer access (double-clicks on the
// banner) shows the engineer tab and Btn_Default and opens the LED type
// and sensor orientation.

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <memory>

#include "gui/Navigation.h"
#include "gui/OperatorTab.h"
#include "settings/EngineerAccess.h"

namespace veltrax::gui {

class EngineerForm;
class KeyTestMode;
class MainWindow;

class EngineerPage : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 1076;
  static constexpr int kHeight = 640;

  explicit EngineerPage(MainWindow& window);
  ~EngineerPage() override;

  // Captions from the engineer caption table in its column.
  void SetCaptions(int captionColumn);
  // Every control and key button caption from the engineer controls.
  void Refresh();
  // The controls take the access state (locked at start).
  void ApplyAccess();

  // The status line that shows the application's hints.
  QLabel* Content() const { return content_; }
  QWidget* Banner() const { return banner_; }
  QTabWidget* Parameters() const { return parameters_; }
  QWidget* OperatorTab() const { return operatorTab_; }
  bool EngineerTabShown() const { return parameters_->isTabVisible(1); }
  const EngineerAccess& Access() const { return access_; }
  KeyTestMode& KeyTest() { return *keyTest_; }
  // btn_Key101..109, btn_Key201..209; null for another id.
  QPushButton* KeyButton(int id) const;
  // The Mode A (profile 0) or Mode B (1) key group.
  QWidget* KeyGroup(int profile) const { return tab_.keyGroups.at(static_cast<size_t>(profile)); }
  // Img_Result beside Btn_Default: shown once a restore of the built-in
  // defaults has reached the mouse.
  void ShowResultMark(bool shown) { result_->setVisible(shown); }

  // A double-click on the banner (Img_Logo4).
  void Img_Logo4DblClick();

 signals:
  void CloseClicked();
  void WriteClicked();
  void SaveClicked();
  void LoadClicked();
  void DefaultClicked();
  void PageClicked(Page page);
  // A key button was clicked: its id, 101..109 or 201..209.
  void KeyClicked(int id);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildFrame();
  void BuildNavigation();

  MainWindow& window_;
  EngineerForm* form_;
  EngineerAccess access_;
  SharedEdits shared_;
  OperatorWidgets tab_;
  KeyTestMode* keyTest_ = nullptr;
  QLabel* banner_ = nullptr;
  QTabWidget* parameters_ = nullptr;
  QWidget* operatorTab_ = nullptr;
  QWidget* engineerTab_ = nullptr;
  QLabel* content_ = nullptr;
  QPushButton* default_ = nullptr;
  QLabel* result_ = nullptr;
};

}  // namespace veltrax::gui
