#pragma once
// The main window (TForm1): one frameless window shaped by its background,
// showing one page at a time. It owns the working state of the whole run;
// its widgets mirror that state.

#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>

#include "gui/Navigation.h"
#include "gui/Skin.h"
#include "device/ConnectionWatch.h"
#include "image/ImageFlows.h"
#include "macro/MacroLibraryStore.h"
#include "resources/GlobalOptions.h"
#include "resources/LanguageTable.h"
#include "resources/LayoutTable.h"
#include "resources/PictureStore.h"

namespace veltrax {
class DeviceLink;
class Sleeper;
}  // namespace veltrax

namespace veltrax::gui {

class AdvancedPage;
class EngineerPage;
class InputBlocker;
class KeyPageEditor;
class LightPage;
class LoadingWindow;
class MacroPage;
class SkinnedPage;
class FlowRunner;
class UserDialogs;
class WindowChrome;
class WindowDragger;
class WindowFlowSide;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr const char* kCaption = "VELTRAX Gaming Mouse v1.0";

  // Runs FormCreate. sleeper times the flows' pauses; simulated only
  // changes the caption.
  MainWindow(DeviceLink& link, Sleeper& sleeper, bool simulated);
  ~MainWindow() override;

  // The loading window is created after the main window.
  void SetLoadingWindow(LoadingWindow* loading);
  LoadingWindow* Loading() const { return loading_; }
  void SetDialogs(std::unique_ptr<UserDialogs> dialogs);
  UserDialogs& Dialogs() { return *dialogs_; }

  Page CurrentPage() const { return navigation_.CurrentPage(); }
  int CurrentLanguage() const { return currentLanguage_; }
  const QString& ApplicationTitle() const { return applicationTitle_; }
  QSize BaseSize() const { return baseSize_; }
  bool PagesLocked() const;
  // Whether a device flow (or the watch's tick) runs on the device thread.
  bool FlowRunning() const;
  SkinnedPage* PageWidget(int number) const { return pages_.at(number - 1); }
  EngineerPage* Engineer() const { return engineer_; }
  AdvancedPage* Advanced() const { return advanced_; }
  LightPage* Light() const { return light_; }
  WindowChrome& Chrome() { return *chrome_; }
  QTimer& DevTimer() { return devTimer_; }
  ImageState& State() { return flows_->State(); }
  ImageFlows& Flows() { return *flows_; }
  ConnectionWatch& Watch() { return *watch_; }
  // Where the pages' own device flows run (the key test, the macro area
  // import): see device/DeviceJob.h.
  DeviceRunner& Runner();
  // Runs the event loop until no device flow runs.
  void WaitForFlows();
  DeviceLink& Link() { return link_; }
  const GlobalOptions& Options() const { return options_; }
  // The PC macro library, loaded (or created) at start: the macro page and
  // the button menus' macro list share it.
  MacroLibraryStore& MacroStore() { return *macroStore_; }
  // The program's folder with a trailing separator.
  const QString& ProgramFolder() const { return programFolder_; }
  // The text of an id in the current language.
  QString Text(const char* id) const;
  const LanguageTable& Texts() const { return texts_; }
  const LayoutTable& Layout() const { return layout_; }
  const QString& FontName() const { return fontName_; }
  Skin& Pictures() { return skin_; }
  KeyPageEditor& KeyEditor() { return *keyEditor_; }
  MacroPage& Macros() { return *macroPage_; }

  // Page, language and window buttons (any copy).
  void PageButtonClick(Page page);
  void LanguageButtonClick(int language);
  void Btn_Exit_0Click();
  void Btn_Mini_0Click();
  void Btn_Web_0Click();

  // A device button of any copy (with its pressed look); dropped while a
  // flow runs.
  void StartFlow(DeviceFlow flow);
  // The connection watch's tick.
  void DevTimerTimer();

  void LockPages();
  void UnlockPages();
  void SetBaseWindowSize();
  void SetEngineerWindowSize();
  // Page 1 shown, the others hidden (the no-device state and a fresh read).
  void ShowFirstPage();
  // The Mode A button selected, every other page button normal.
  void ResetNavigationLook();
  void RefreshVisiblePage();
  // The key labels from the key profile of the current page.
  void RefreshKeyLabels();
  // Closes the function menus and the macro page's context panels (a page
  // switch, a click elsewhere, a flow).
  void HideAllMenu();
  // The Advanced and Light pages show the image that was just shown.
  void ShowSettingsImage();
  // The window's message dialog in the language's font.
  void ShowMessageText(const QString& text);
  // A page changed the engineer controls: every view shows them again.
  void ControlsEdited(QObject* by) { emit ControlsChanged(by); }
  // veltrax --engineer: the Engineer page buttons, hidden in the shipped
  // skin, are shown at 10, 10 for production lines and service.
  void ShowEngineerButtons();

 signals:
  // The engineer controls were edited on a page (by), which all pages show.
  void ControlsChanged(QObject* by);

 protected:
  // FormCloseQuery: the device is dropped before the window closes.
  void closeEvent(QCloseEvent* event) override;
  // The application's hints go to lbl_Content.
  bool event(QEvent* event) override;

 private:
  void FormCreate();
  // CheckPCMacro: the library of the Path option's folder or the user's data
  // folder, created when missing.
  void OpenMacroLibrary();
  void BuildPages();
  void ConnectChrome();
  void ConnectFlows();
  void LoadBasePicture();
  void CentreOnScreen();
  void ApplyLanguage();
  // The language's title as the application's title.
  void ShowApplicationTitle();
  void ApplyLanguageTexts();
  void ApplySettingsPagesLanguage();
  void RetranslateKeyLabels(const LanguageTable& next);
  void ShowContainer(int container);
  void ShowPageContent(Page page);
  void UpdateShape();
  QString LanguagePicture(const char* suffix) const;

  DeviceLink& link_;
  Sleeper& sleeper_;
  bool simulated_;
  PictureStore pictures_;
  Skin skin_;
  std::array<SkinnedPage*, 4> pages_{};
  EngineerPage* engineer_ = nullptr;
  AdvancedPage* advanced_ = nullptr;
  LightPage* light_ = nullptr;
  WindowChrome* chrome_ = nullptr;
  WindowDragger* dragger_ = nullptr;
  InputBlocker* blocker_ = nullptr;
  KeyPageEditor* keyEditor_ = nullptr;
  MacroPage* macroPage_ = nullptr;
  LoadingWindow* loading_ = nullptr;
  std::unique_ptr<UserDialogs> dialogs_;
  std::unique_ptr<WindowFlowSide> flowSide_;
  std::unique_ptr<ImageFlows> flows_;
  std::unique_ptr<ConnectionWatch> watch_;
  std::unique_ptr<MacroLibraryStore> macroStore_;
  // Last: it stops before anything its jobs could reach goes away.
  std::unique_ptr<FlowRunner> runner_;

  Navigation navigation_;
  int currentLanguage_ = 1;
  LanguageTable texts_;
  LayoutTable layout_;
  GlobalOptions options_;
  QString applicationTitle_;
  QString fontName_;
  QString programFolder_;
  QSize baseSize_;
  QTimer devTimer_;
  // Whether the mouse was open when the last flow ended: the device
  // thread may change the link's own state meanwhile.
  bool deviceOpen_ = false;
  // A close asked for during a flow is carried out at its end.
  bool closeRequested_ = false;
};

}  // namespace veltrax::gui
