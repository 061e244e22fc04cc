#include "gui/MacroPage.h"

#include <QComboBox>
#include <QLabel>
#include <chrono>

#include "gui/FilteredEdit.h"
#include "gui/InsertPanelView.h"
#include "gui/LayoutLook.h"
#include "gui/MacroListView.h"
#include "gui/MacroPageView.h"
#include "gui/MainWindow.h"
#include "gui/MenuPanelView.h"
#include "gui/PictureChoice.h"
#include "gui/SkinButton.h"
#include "gui/SkinnedPage.h"
#include "gui/WindowChrome.h"
#include "gui/capture/InputCapture.h"
#include "keys/KeyCatalogue.h"

namespace veltrax::gui {

namespace {

int64_t SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

QStringList ShownTexts(const std::vector<std::string>& rows, QList<int>* types) {
  QStringList lines;
  for (const std::string& row : rows) {
    lines.append(FromUtf8Text(ShownText(row)));
    types->append(RowTypeOf(row));
  }
  return lines;
}

}  // namespace

MacroPage::MacroPage(MainWindow& window)
    : QObject(&window),
      window_(window),
      clock_(SteadyMs),
      editor_(window.MacroStore(), window.Texts(), [this] { return clock_(); }),
      view_(new MacroPageView(window.PageWidget(4), &window, window.Pictures())) {
  rowRefresh_.setObjectName(QStringLiteral("MacroRowRefresh"));
  rowRefresh_.setInterval(kRowRefreshMs);
  connect(&rowRefresh_, &QTimer::timeout, this, &MacroPage::RefreshRecordedRows);
  Connect();
  ShowLibrary(-1);
  ShowMacro();
}

MacroPage::~MacroPage() {
  // Nothing may reach the recorder once the page goes.
  if (capture_) capture_->Stop();
}

void MacroPage::SetCapture(std::unique_ptr<InputCapture> capture) {
  StopCapture();
  capture_ = std::move(capture);
}

void MacroPage::Connect() {
  MacroPageView& v = *view_;
  connect(v.Library(), &MacroListView::LineChosen, this, &MacroPage::LB_PCMacroNameClick);
  connect(v.Library(), &MacroListView::ContextPressed, this, [this](int line) {
    CloseContextPanels();
    if (line >= 0) LB_PCMacroNameClick(line);
  });
  connect(v.Library(), &MacroListView::ContextRequested, this, &MacroPage::OpenLibraryMenu);
  connect(v.Rows(), &MacroListView::LineChosen, this, &MacroPage::LB_macroClick);
  connect(v.Rows(), &MacroListView::ContextPressed, this, [this](int row) {
    CloseContextPanels();
    editor_.SelectRow(row);
  });
  connect(v.Rows(), &MacroListView::ContextRequested, this, &MacroPage::OpenRowMenu);
  connect(v.LibraryMenu(), &MenuPanelView::RowActivated, this,
          [this](int row) { LibraryMenuChosen(static_cast<LibraryEntry>(row)); });
  connect(v.RowMenu(), &MenuPanelView::RowActivated, this, [this](int row) { RowMenuChosen(static_cast<RowEntry>(row)); });
  for (MenuPanelView* menu : {v.LibraryMenu(), v.RowMenu()}) {
    connect(menu, &MenuPanelView::EscapeKey, this, &MacroPage::CloseContextPanels);
  }

  ConnectButton(v.NewButton(), true);
  ConnectButton(v.StartButton(), true);
  ConnectButton(v.Insert()->StartButton(), true);
  ConnectButton(v.Insert()->OkButton(), false);
  ConnectButton(v.Insert()->CancelButton(), false);
  connect(v.NewButton(), &SkinButton::Clicked, this, &MacroPage::Btn_NewClick);
  connect(v.StartButton(), &SkinButton::Clicked, this, &MacroPage::Btn_StartClick);
  connect(v.Insert()->StartButton(), &SkinButton::Clicked, this, &MacroPage::Btn_InsertStartClick);
  connect(v.Insert()->OkButton(), &SkinButton::Clicked, this, &MacroPage::Btn_OKClick);
  connect(v.Insert()->CancelButton(), &SkinButton::Clicked, this, &MacroPage::Btn_CancelClick);

  for (DelayMode mode : {DelayMode::Record, DelayMode::Default, DelayMode::None}) {
    connect(v.DelayOption(mode), &PictureChoice::Chosen, this, [this, mode] { DelayModeClick(mode); });
    connect(v.Insert()->DelayOption(mode), &PictureChoice::Chosen, this, [this, mode] { InsertDelayModeClick(mode); });
  }
  connect(v.ReleaseStop(), &PictureChoice::Chosen, this, [this] { PlayModeClick(kReleaseForStop); });
  connect(v.ReleaseContinue(), &PictureChoice::Chosen, this, [this] { PlayModeClick(kReleaseForContinue); });
  connect(v.DelayField(), &QLineEdit::textChanged, this,
          [this](const QString& text) { editor_.SetDefaultDelayText(text.toStdString()); });

  InsertPanelView* insert = v.Insert();
  connect(insert->TypeList(), &QComboBox::currentIndexChanged, this, &MacroPage::CB_InsertChange);
  auto field = [this](FilteredEdit* edit, std::string InsertPanel::*member) {
    connect(edit, &QLineEdit::textChanged, this,
            [this, member](const QString& text) { editor_.Fields().*member = text.toStdString(); });
  };
  field(insert->DelayField(), &InsertPanel::delay);
  field(insert->XField(), &InsertPanel::x);
  field(insert->YField(), &InsertPanel::y);
  field(insert->RepeatField(), &InsertPanel::repeat);
}

// Hover pictures and rolling captions of the page's buttons; the pointer
// over a recording button keeps its left clicks out of a recording.
void MacroPage::ConnectButton(SkinButton* button, bool recordingButton) {
  const QString family = recordingButton ? QStringLiteral("MacroS_0%1") : QStringLiteral("MacroBtnS_0%1");
  auto show = [this, button, family](int state) {
    // A recording button keeps its recording look while it records.
    if (button->PictureName() == QStringLiteral("MacroS_04")) return;
    const QString name = family.arg(state);
    button->SetPicture(name, window_.Pictures().Picture(name));
  };
  connect(button, &SkinButton::Entered, this, [this, button, show, recordingButton] {
    show(2);
    window_.Chrome().RestartRolling(button);
    if (recordingButton) hoveredRecordButton_ = true;
  });
  connect(button, &SkinButton::Left, this, [this, button, show, recordingButton] {
    show(1);
    window_.Chrome().EndRolling(button);
    if (recordingButton) hoveredRecordButton_ = false;
  });
  connect(button, &SkinButton::Pressed, this, [show] { show(3); });
}

void MacroPage::ApplyLanguage(const LayoutTable& layout, const QString& fontName, const TextTable& texts) {
  view_->ApplyLayout(layout, window_.BaseSize(), fontName);
  const MacroRecorder& recorder = editor_.Recorder();
  view_->SetCaptions(texts, recorder.Recording() && !recorder.Inserting());
  ShowInsertRecording(recorder.Inserting());
  // A hovered button rolls its caption in the new language.
  for (SkinButton* button : {view_->NewButton(), view_->StartButton(), view_->Insert()->OkButton(),
                             view_->Insert()->CancelButton()}) {
    window_.Chrome().SetButtonCaption(button, button->Caption());
  }
  view_->Insert()->ShowType(editor_.CurrentInsertType());
  view_->Insert()->ShowDelayMode(editor_.Fields().delayMode);
  ShowEnabledState();
}

void MacroPage::CloseContextPanels() { view_->CloseMenus(); }

void MacroPage::RefreshPCMacroName() {
  EndRecording();
  CloseContextPanels();
  editor_.ShowMacro(-1);
  ShowLibrary(-1);
  ShowMacro();
}

void MacroPage::ShowLibrary(int selected) {
  QStringList names;
  for (const std::string& name : window_.MacroStore().Library().Names()) names.append(FromUtf8Text(name));
  MacroListView* list = view_->Library();
  list->SetLines(names);
  list->SelectLine(selected);
  if (selected < 0 && list->count() > 0) list->scrollToBottom();
  ShowEnabledState();
}

// The macro the editor shows: its rows, play mode and delay mode.
void MacroPage::ShowMacro() {
  view_->Library()->SelectLine(editor_.Line());
  view_->ShowPlayMode(editor_.PlayMode());
  view_->ShowDelayMode(editor_.PageDelayMode());
  view_->DelayField()->setText(FromUtf8Text(editor_.DefaultDelayText()));
  if (!editor_.InsertPanelOpen()) CloseInsertBox();
  ShowRows();
}

void MacroPage::ShowRows() {
  const MacroRowList rows = editor_.Rows();
  QList<int> types;
  const QStringList lines = ShownTexts(rows.rows, &types);
  view_->Rows()->SetLines(lines, types);
  view_->Rows()->SelectLine(editor_.SelectedRow());
  ShowEnabledState();
}

void MacroPage::ShowEnabledState() {
  const MacroRecorder& recorder = editor_.Recorder();
  const bool recording = recorder.Recording();
  const bool whole = recording && !recorder.Inserting();
  const bool inserting = editor_.InsertPanelOpen();
  view_->Library()->setEnabled(!recording && !inserting);
  view_->Rows()->setEnabled(!recording);
  view_->NewButton()->setEnabled(!recording && !inserting && window_.MacroStore().Library().CanAddNew());
  view_->StartButton()->setEnabled(whole || (!recording && !inserting && editor_.Line() >= 0));
  for (DelayMode mode : {DelayMode::Record, DelayMode::Default, DelayMode::None}) {
    view_->DelayOption(mode)->SetEnabled(!whole);
  }
  view_->DelayField()->setEnabled(!whole);
}

void MacroPage::ShowOutcome(const EditorOutcome& outcome) {
  if (outcome.reloaded) {
    ShowLibrary(editor_.Line());
    ShowMacro();
  } else if (outcome.changed) {
    ShowRows();
  }
  if (!outcome.message.empty()) window_.ShowMessageText(FromUtf8Text(outcome.message));
}

void MacroPage::LB_PCMacroNameClick(int line) {
  CloseContextPanels();
  if (!editor_.ShowMacro(line)) return;
  ShowMacro();
}

void MacroPage::LB_macroClick(int row) {
  CloseContextPanels();
  editor_.SelectRow(row);
}

void MacroPage::OpenRowMenu(const QPoint& global, bool fromKeyboard) {
  CloseContextPanels();
  if (editor_.Line() < 0 || editor_.SelectedRow() < 0 || editor_.Recorder().Recording()) return;
  QList<MenuPanelView::Row> rows = view_->RowMenu()->Rows();
  // A repeat end has nothing to edit; nothing is inserted while the insert
  // box is open already.
  const std::vector<std::string> shown = editor_.Rows().rows;
  rows[static_cast<int>(RowEntry::Edit)].enabled = RowTypeOf(shown.at(editor_.SelectedRow())) != RowType::kRepeatEnd;
  rows[static_cast<int>(RowEntry::Insert)].enabled = !editor_.InsertPanelOpen();
  view_->RowMenu()->SetRows(rows);
  view_->OpenMenu(view_->RowMenu(), global, fromKeyboard);
}

void MacroPage::RowMenuChosen(RowEntry entry) {
  switch (entry) {
    case RowEntry::Edit: Btn_EditClick(); break;
    case RowEntry::Delete: Btn_DelClick(); break;
    case RowEntry::Insert: Btn_InsertClick(); break;
  }
}

void MacroPage::OpenDialog(MacroInputKind kind,
                           std::function<void(MacroInputDialog&, const QString&)> confirmed) {
  // One dialog at a time: a new one replaces the one open.
  if (dialog_) dialog_->close();
  Skin& skin = window_.Pictures();
  dialog_ = new MacroInputDialog(&window_, kind, window_.Layout(), window_.Texts(), window_.FontName(),
                                 [&skin](const QString& name) { return skin.Picture(name); });
  MacroInputDialog* dialog = dialog_;
  connect(dialog, &MacroInputDialog::Confirmed, this,
          [dialog, confirmed = std::move(confirmed)](const QString& text) { confirmed(*dialog, text); });
  dialog->ShowOver(window_.geometry());
}

void MacroPage::Btn_EditClick() {
  CloseContextPanels();
  const std::optional<EditRequest> request = editor_.BeginEdit();
  if (!request) return;
  switch (request->dialog) {
    case EditDialog::Delay:
      OpenDialog(MacroInputKind::Delay, [this, r = *request](MacroInputDialog&, const QString& text) {
        ShowOutcome(editor_.ConfirmDelay(r, text.toStdString()));
      });
      break;
    case EditDialog::Key:
      OpenDialog(MacroInputKind::Key, [this, r = *request](MacroInputDialog& dialog, const QString&) {
        const int vk = dialog.VirtualKey();
        ShowOutcome(editor_.ConfirmKey(r, KeyNameOfVirtualKey(vk), UsageOfVirtualKey(vk)));
      });
      break;
    case EditDialog::Value: {
      const MacroInputKind kind = request->type == RowType::kRepeatStart ? MacroInputKind::Repeat : MacroInputKind::Axis;
      OpenDialog(kind, [this, r = *request](MacroInputDialog&, const QString& text) {
        ShowOutcome(editor_.ConfirmValue(r, text.toStdString()));
      });
      break;
    }
  }
}

void MacroPage::Btn_DelClick() {
  CloseContextPanels();
  ShowOutcome(editor_.DeleteRow());
}

void MacroPage::Btn_InsertClick() {
  CloseContextPanels();
  MacroListView* rows = view_->Rows();
  const QListWidgetItem* top = rows->itemAt(0, 0);
  if (!editor_.OpenInsertPanel(top ? rows->row(top) : 0)) return;
  InsertPanelView* insert = view_->Insert();
  insert->ShowType(editor_.CurrentInsertType());
  insert->ShowFields(editor_.Fields());
  view_->ShowInsertBox(true);
  ShowEnabledState();
  insert->TypeList()->setFocus(Qt::OtherFocusReason);
}

void MacroPage::CB_InsertChange(int index) {
  if (index < 0) return;
  editor_.SetInsertType(static_cast<InsertType>(index));
  view_->Insert()->ShowType(editor_.CurrentInsertType());
  view_->Insert()->ShowDelayMode(editor_.Fields().delayMode);
}

void MacroPage::CloseInsertBox() {
  view_->ShowInsertBox(false);
  ShowEnabledState();
}

void MacroPage::Btn_OKClick() {
  if (editor_.Recorder().Inserting()) StopCapture();
  const EditorOutcome outcome = editor_.InsertOk();
  if (!editor_.InsertPanelOpen()) {
    ShowInsertRecording(false);
    CloseInsertBox();
  }
  ShowRows();
  ShowOutcome(outcome);
}

void MacroPage::Btn_CancelClick() {
  if (editor_.Recorder().Inserting()) StopCapture();
  const int top = editor_.InsertCancel();
  ShowInsertRecording(false);
  CloseInsertBox();
  ShowRows();
  if (QListWidgetItem* line = view_->Rows()->item(top)) view_->Rows()->scrollToItem(line, QAbstractItemView::PositionAtTop);
}

void MacroPage::DelayModeClick(DelayMode mode) {
  if (editor_.Recorder().Recording() && !editor_.Recorder().Inserting()) return;
  editor_.SetPageDelayMode(mode);
  view_->ShowDelayMode(mode);
}

void MacroPage::InsertDelayModeClick(DelayMode mode) {
  if (editor_.Recorder().Inserting()) return;
  editor_.Fields().delayMode = mode;
  view_->Insert()->ShowDelayMode(mode);
}

void MacroPage::PlayModeClick(uint8_t mode) {
  view_->ShowPlayMode(mode);
  ShowOutcome(editor_.ChangePlayMode(mode));
}

}  // namespace veltrax::gui
