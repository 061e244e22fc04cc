#pragma once
// The macro page: the PC macro library (new, rename, delete, import and
// export through the context panel, the name dialog and the file dialogs),
// the rows of the macro shown with their context panel, value dialogs and
// insert box, and recording from the captured keyboard and mouse. The rules
// are the macro editor's and the library store's; this page shows them and
// says what they refuse. The library is the window's one library, which
// the key pages' macro list reads too.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <set>

#include "gui/MacroInputDialog.h"
#include "macro/MacroEditor.h"
#include "macro/MacroLibraryStore.h"
#include "macro/MacroRecorder.h"

namespace veltrax {
class LayoutTable;
}

namespace veltrax::gui {

class InputCapture;
class MacroPageView;
class MainWindow;
class SkinButton;
enum class LibraryEntry;
enum class RowEntry;

class MacroPage : public QObject {
  Q_OBJECT

 public:
  using Clock = std::function<int64_t()>;  // millisecond tick
  static constexpr int kRowRefreshMs = 30;

  explicit MacroPage(MainWindow& window);
  ~MacroPage() override;

  MacroPageView& View() { return *view_; }
  MacroEditor& Editor() { return editor_; }
  // The input a recording takes; made on the first recording when not set.
  void SetCapture(std::unique_ptr<InputCapture> capture);
  void SetClock(Clock clock) { clock_ = std::move(clock); }
  // The dialog open now (name or value), or null.
  MacroInputDialog* Dialog() const { return dialog_.data(); }

  void ApplyLanguage(const LayoutTable& layout, const QString& fontName, const TextTable& texts);
  // RefreshPCMacroName: the library list anew, nothing selected, no rows.
  void RefreshPCMacroName();
  void CloseContextPanels();
  // A recording that runs ends (the pages lock): a whole recording is stored.
  void EndRecording();

  // LB_PCMacroNameClick, the library context panel and the New button.
  void LB_PCMacroNameClick(int line);
  void Btn_NewClick();
  void Btn_NewNameClick();
  void Btn_DelPCMacroClick();
  void Btn_ImportOneClick();
  void Btn_ImportClick();
  void Btn_ExportOneClick();
  void Btn_ExportClick();
  void ApplyMacroName(const QString& name);

  // The row list, its context panel and the insert box.
  void LB_macroClick(int row);
  void Btn_EditClick();
  void Btn_DelClick();
  void Btn_InsertClick();
  void CB_InsertChange(int index);
  void Btn_OKClick();
  void Btn_CancelClick();

  // The delay and play mode options.
  void DelayModeClick(DelayMode mode);
  void InsertDelayModeClick(DelayMode mode);
  void PlayModeClick(uint8_t mode);

  // Recording: Btn_StartClick, Btn_InsertStartClick, and what the capture
  // hands on.
  void Btn_StartClick();
  void Btn_InsertStartClick();
  void KeyboardHook1Receive(int virtualKey, bool down);
  void MouseHookProc(uint32_t message, int xButton);

 private:
  void Connect();
  void ConnectButton(SkinButton* button, bool recordingButton);
  void LibraryMenuChosen(LibraryEntry entry);
  void RowMenuChosen(RowEntry entry);
  void OpenLibraryMenu(const QPoint& global, bool fromKeyboard);
  void OpenRowMenu(const QPoint& global, bool fromKeyboard);

  // What the page shows of the editor and the library.
  void ShowLibrary(int selected);
  void ShowMacro();
  void ShowRows();
  void ShowEnabledState();
  void ShowOutcome(const EditorOutcome& outcome);
  void ShowLibraryOutcome(const LibraryOutcome& outcome, bool showMacro);
  void CloseInsertBox();
  void OpenDialog(MacroInputKind kind, std::function<void(MacroInputDialog&, const QString&)> confirmed);
  std::optional<std::vector<uint8_t>> ReadChosenFile();

  // Recording.
  bool StartCapture();
  void StopCapture();
  void FinishWholeRecording();
  void FinishInsertRecording();
  void ShowInsertRecording(bool recording);
  void RefreshRecordedRows();
  void ShowRecordingEnded(bool whole, const EditorOutcome& outcome);
  bool EndIfFull();
  bool AimedAtRecordButton(int virtualKey) const;
  bool PointerOverRecordButton() const;
  void SayCaptureIsWindowOnly();
  void ShowHint();

  MainWindow& window_;
  Clock clock_;
  MacroEditor editor_;
  MacroPageView* view_;
  std::unique_ptr<InputCapture> capture_;
  bool capturing_ = false;
  bool hoveredRecordButton_ = false;
  bool toldWindowOnly_ = false;
  QString recordingNote_;
  KeyDownCounter downCounter_;
  std::set<int> keysDown_;  // pressed since the capture began
  QTimer rowRefresh_;
  RecordedRows shownRecording_;
  PendingName pendingName_ = PendingName::NewMacro;
  int renamedLine_ = -1;
  QPointer<MacroInputDialog> dialog_;
};

}  // namespace veltrax::gui
