#pragma once
// The Advanced page (gbPage2): the DPI levels and AIM key, the fire key
// edits Edt_Repeat1 and Edt_DelayTime1, and the desktop pointer settings.
// Its controls lie on the skinned page; they draw the engineer controls
// and change them only through the settings rules.

#include <QLineEdit>
#include <QObject>
#include <memory>

#include "gui/SettingsPageLook.h"
#include "settings/KeyModeOptions.h"
#include "settings/PointerStore.h"

namespace veltrax::gui {

class DpiRows;
class MainWindow;
class PointerPanel;
class Skin;

class AdvancedPage : public QObject {
  Q_OBJECT

 public:
  AdvancedPage(MainWindow& window, QWidget* page, Skin& skin, std::unique_ptr<PointerStore> pointerStore);

  // Places and styles the controls; Refresh draws them.
  void ApplyLanguage(const SettingsPageLook& look);
  // An image was shown: the fire key edits take its values, and everything
  // is drawn from the engineer controls.
  void ShowImage();
  void Refresh();

  DpiRows& Dpi() { return *dpi_; }
  PointerPanel& Pointer() { return *pointer_; }

 private:
  QLineEdit* AddEdit(QWidget* page, const QString& name);
  void RefreshFireKeyEdits();

  MainWindow& window_;
  DpiRows* dpi_;
  PointerPanel* pointer_;
  QLineEdit* shots_;
  QLineEdit* interval_;
  FireKeyEdits fireKey_;
};

}  // namespace veltrax::gui
