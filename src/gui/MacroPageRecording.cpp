// Recording on the macro page: the Record buttons, the capture of the
// keyboard and mouse, and the rows shown while they come in.

#include <QApplication>
#include <QCursor>
#include <QLabel>

#include "gui/InsertPanelView.h"
#include "gui/LayoutLook.h"
#include "gui/MacroListView.h"
#include "gui/MacroPage.h"
#include "gui/MacroPageView.h"
#include "gui/MainWindow.h"
#include "gui/SkinButton.h"
#include "gui/SkinnedPage.h"
#include "gui/WindowChrome.h"
#include "gui/capture/InputCapture.h"

namespace veltrax::gui {

namespace {

constexpr int kEnterKey = 0x0D;
constexpr int kSpaceKey = 0x20;

constexpr const char* kWindowOnly =
    "Recording takes only the keys and clicks made in this window: this desktop does not let a program see the "
    "input of others.";
constexpr const char* kMacroFull = "The macro is full (221 bytes): the recording has ended with what it holds.";

}  // namespace

bool MacroPage::StartCapture() {
  if (!capture_) capture_ = MakeInputCapture(this);
  downCounter_ = {};
  keysDown_.clear();
  const CaptureSink sink{[this](int vk, bool down) { KeyboardHook1Receive(vk, down); },
                         [this](uint32_t message, int xButton) { MouseHookProc(message, xButton); }};
  capturing_ = capture_->Start(sink);
  if (!capturing_) {
    // The desktop refused; the window's own input still works.
    capture_ = MakeWindowCapture();
    capturing_ = capture_->Start(sink);
  }
  if (capturing_ && !capture_->SystemWide()) SayCaptureIsWindowOnly();
  shownRecording_ = {};
  recordingNote_.clear();
  ShowHint();
  rowRefresh_.start();
  return capturing_;
}

void MacroPage::StopCapture() {
  rowRefresh_.stop();
  if (capture_ && capturing_) capture_->Stop();
  capturing_ = false;
}

void MacroPage::SayCaptureIsWindowOnly() {
  if (toldWindowOnly_) return;
  toldWindowOnly_ = true;
  ShowHint();
}

// The hint line: that recording sees only this window, once that is known,
// and what ended the last recording.
void MacroPage::ShowHint() {
  QStringList lines;
  if (toldWindowOnly_) lines.append(QString::fromLatin1(kWindowOnly));
  if (!recordingNote_.isEmpty()) lines.append(recordingNote_);
  view_->Hint()->setText(lines.join(QStringLiteral("\n\n")));
}

void MacroPage::Btn_StartClick() {
  MacroRecorder& recorder = editor_.Recorder();
  if (recorder.Recording()) {
    if (!recorder.Inserting()) FinishWholeRecording();
    return;
  }
  window_.HideAllMenu();
  if (editor_.InsertPanelOpen() || !editor_.StartRecording()) return;
  StartCapture();
  window_.Chrome().SetButtonCaption(view_->StartButton(), window_.Text("Str401"));
  view_->ShowButtonPicture(view_->StartButton(), 4);
  // Keys typed now are for the recording, not for a control of the page.
  window_.PageWidget(4)->setFocus(Qt::OtherFocusReason);
  ShowRows();
}

// Stop, or the automatic stop at the limit: the rows are stored.
void MacroPage::FinishWholeRecording() {
  StopCapture();
  const EditorOutcome outcome = editor_.StopRecording();
  window_.Chrome().SetButtonCaption(view_->StartButton(), window_.Text("Str400"));
  view_->ShowButtonPicture(view_->StartButton(), view_->StartButton()->underMouse() ? 2 : 1);
  ShowRows();
  ShowOutcome(outcome);
}

void MacroPage::Btn_InsertStartClick() {
  MacroRecorder& recorder = editor_.Recorder();
  if (recorder.Inserting()) {
    FinishInsertRecording();
    return;
  }
  if (recorder.Recording() || !editor_.StartInsertRecording()) return;
  StartCapture();
  ShowInsertRecording(true);
  ShowRows();
}

void MacroPage::FinishInsertRecording() {
  StopCapture();
  editor_.StopInsertRecording();
  ShowInsertRecording(false);
  ShowRows();
}

void MacroPage::ShowInsertRecording(bool recording) {
  view_->Insert()->ShowRecording(recording);
  window_.Chrome().SetButtonCaption(view_->Insert()->StartButton(), window_.Text(recording ? "Str401" : "Str400"));
}

void MacroPage::EndRecording() {
  const MacroRecorder& recorder = editor_.Recorder();
  if (!recorder.Recording()) return;
  if (recorder.Inserting()) {
    FinishInsertRecording();
  } else {
    FinishWholeRecording();
  }
}

// Enter and Space on a focused Record button are that button's own keys,
// as a click on it is its own click: neither is recorded.
bool MacroPage::AimedAtRecordButton(int virtualKey) const {
  if (virtualKey != kEnterKey && virtualKey != kSpaceKey) return false;
  const QWidget* focused = QApplication::focusWidget();
  return focused == view_->StartButton() || focused == view_->Insert()->StartButton();
}

void MacroPage::KeyboardHook1Receive(int virtualKey, bool down) {
  const MacroRecorder& recorder = editor_.Recorder();
  if (!capturing_ || !recorder.Recording()) return;
  if (down) {
    if (AimedAtRecordButton(virtualKey)) return;
    keysDown_.insert(virtualKey);
  } else if (keysDown_.erase(virtualKey) == 0) {
    // Pressed before the recording began (the key that started it, say).
    return;
  }
  const bool whole = !recorder.Inserting();
  const KeyDownCounter::Event event = downCounter_.OnKeyMessage(down);
  const EditorOutcome outcome = editor_.KeyboardHook1Receive(virtualKey, event.type);
  if (recorder.Recording()) {
    if (!EndIfFull()) RefreshRecordedRows();
    return;
  }
  // A release at the limit ended the recording.
  ShowRecordingEnded(whole, outcome);
}

// The recording ended by itself: the page shows it stopped.
void MacroPage::ShowRecordingEnded(bool whole, const EditorOutcome& outcome) {
  StopCapture();
  if (whole) {
    window_.Chrome().SetButtonCaption(view_->StartButton(), window_.Text("Str400"));
    view_->ShowButtonPicture(view_->StartButton(), 1);
  } else {
    ShowInsertRecording(false);
  }
  ShowRows();
  ShowOutcome(outcome);
}

// A press that did not fit the macro ends the recording, and the hint
// line says why.
bool MacroPage::EndIfFull() {
  const bool whole = !editor_.Recorder().Inserting();
  const std::optional<EditorOutcome> ended = editor_.EndIfFull();
  if (!ended) return false;
  recordingNote_ = QString::fromLatin1(kMacroFull);
  ShowHint();
  ShowRecordingEnded(whole, *ended);
  return true;
}

// A click on a recording button (Record, New, the insert box's Record) is
// that button's, not the recording's. The desktop's button events come on
// their own way and may be here before the window has seen the pointer
// enter the button: where the pointer is now decides too.
bool MacroPage::PointerOverRecordButton() const {
  if (hoveredRecordButton_) return true;
  const QPoint pointer = QCursor::pos();
  for (const QWidget* button : {static_cast<QWidget*>(view_->StartButton()), static_cast<QWidget*>(view_->NewButton()),
                                static_cast<QWidget*>(view_->Insert()->StartButton())}) {
    if (button->isVisible() && button->rect().contains(button->mapFromGlobal(pointer))) return true;
  }
  return false;
}

void MacroPage::MouseHookProc(uint32_t message, int xButton) {
  if (!capturing_) return;
  MacroRecorder& recorder = editor_.Recorder();
  recorder.SetPointerOverButton(PointerOverRecordButton());
  recorder.MouseHookProc(message, xButton);
}

// The rows a recording has made so far; the worker adds mouse rows at any
// time, so the list looks every few milliseconds.
void MacroPage::RefreshRecordedRows() {
  if (!editor_.Recorder().Recording() || EndIfFull()) return;
  RecordedRows now = editor_.Recorder().Rows();
  if (now.rows == shownRecording_.rows && now.selected == shownRecording_.selected) return;
  shownRecording_ = std::move(now);
  ShowRows();
}

}  // namespace veltrax::gui
