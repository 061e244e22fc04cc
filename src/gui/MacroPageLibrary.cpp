// The macro page's library operations: the context panel of the library
// list, the name dialog and the macro files.

#include "base/FileIo.h"
#include "gui/LayoutLook.h"
#include "gui/MacroListView.h"
#include "gui/MacroPage.h"
#include "gui/MacroPageView.h"
#include "gui/MainWindow.h"
#include "gui/MenuPanelView.h"
#include "gui/SkinButton.h"
#include "gui/UserDialogs.h"

namespace veltrax::gui {

namespace {

// The file dialogs' filters of macro files.
const QString kSaveFilter = QStringLiteral("SaveFile(*.bin)");
const QString kLoadFilter = QStringLiteral("LoadFile(*.bin)");

std::filesystem::path PathOf(const QString& chosen) { return std::filesystem::path(chosen.toStdString()); }

}  // namespace

void MacroPage::OpenLibraryMenu(const QPoint& global, bool fromKeyboard) {
  CloseContextPanels();
  if (editor_.Recorder().Recording() || editor_.InsertPanelOpen()) return;
  const MacroLibrary& library = window_.MacroStore().Library();
  const bool selected = view_->Library()->SelectedLine() >= 0;
  QList<MenuPanelView::Row> rows = view_->LibraryMenu()->Rows();
  auto enable = [&rows](LibraryEntry entry, bool enabled) { rows[static_cast<int>(entry)].enabled = enabled; };
  // What cannot be done is shown so, rather than done silently as nothing.
  enable(LibraryEntry::New, library.CanAddNew());
  enable(LibraryEntry::Rename, selected);
  enable(LibraryEntry::Delete, selected);
  enable(LibraryEntry::ImportOne, library.Count() < kLibraryRecords - 1);
  enable(LibraryEntry::ExportOne, selected);
  view_->LibraryMenu()->SetRows(rows);
  view_->OpenMenu(view_->LibraryMenu(), global, fromKeyboard);
}

void MacroPage::LibraryMenuChosen(LibraryEntry entry) {
  switch (entry) {
    case LibraryEntry::New: Btn_NewClick(); break;
    case LibraryEntry::Rename: Btn_NewNameClick(); break;
    case LibraryEntry::Delete: Btn_DelPCMacroClick(); break;
    case LibraryEntry::ImportOne: Btn_ImportOneClick(); break;
    case LibraryEntry::ImportAll: Btn_ImportClick(); break;
    case LibraryEntry::ExportOne: Btn_ExportOneClick(); break;
    case LibraryEntry::ExportAll: Btn_ExportClick(); break;
  }
}

void MacroPage::Btn_NewClick() {
  CloseContextPanels();
  if (!window_.MacroStore().Library().CanAddNew() || editor_.Recorder().Recording()) return;
  pendingName_ = PendingName::NewMacro;
  OpenDialog(MacroInputKind::Name, [this](MacroInputDialog&, const QString& name) { ApplyMacroName(name); });
}

void MacroPage::Btn_NewNameClick() {
  CloseContextPanels();
  const int line = view_->Library()->SelectedLine();
  if (line < 0 || editor_.Recorder().Recording()) return;
  pendingName_ = PendingName::Rename;
  renamedLine_ = line;
  OpenDialog(MacroInputKind::Name, [this](MacroInputDialog&, const QString& name) { ApplyMacroName(name); });
}

void MacroPage::ApplyMacroName(const QString& name) {
  // The library may not change under a recording.
  if (editor_.Recorder().Recording()) return;
  const PendingName operation = pendingName_;
  const LibraryOutcome outcome =
      window_.MacroStore().ApplyMacroName(operation, renamedLine_, name.toStdString(), window_.Texts());
  pendingName_ = PendingName::NewMacro;
  if (outcome.changed && operation == PendingName::Rename) {
    ShowLibrary(editor_.Line());
    if (!outcome.message.empty()) window_.ShowMessageText(FromUtf8Text(outcome.message));
    return;
  }
  ShowLibraryOutcome(outcome, true);
}

// A changed library is listed anew with the outcome's line selected and,
// when asked, shown in the row list.
void MacroPage::ShowLibraryOutcome(const LibraryOutcome& outcome, bool showMacro) {
  if (outcome.changed) {
    editor_.ShowMacro(showMacro ? outcome.line : -1);
    ShowLibrary(showMacro ? outcome.line : -1);
    ShowMacro();
  }
  if (!outcome.message.empty()) window_.ShowMessageText(FromUtf8Text(outcome.message));
}

void MacroPage::Btn_DelPCMacroClick() {
  CloseContextPanels();
  const int line = view_->Library()->SelectedLine();
  if (line < 0 || editor_.Recorder().Recording()) return;
  editor_.ClearRows();
  ShowLibraryOutcome(window_.MacroStore().Delete(line, window_.Texts()), true);
}

std::optional<std::vector<uint8_t>> MacroPage::ReadChosenFile() {
  const std::optional<QString> chosen = window_.Dialogs().PickOpenFile(kLoadFilter);
  if (!chosen) return std::nullopt;
  auto bytes = ReadWholeFile(PathOf(*chosen));
  if (!bytes) {
    window_.ShowMessageText(FromUtf8Text(bytes.error().context));
    return std::nullopt;
  }
  return std::move(bytes).value();
}

void MacroPage::Btn_ImportOneClick() {
  CloseContextPanels();
  if (window_.MacroStore().Library().Count() >= kLibraryRecords - 1 || editor_.Recorder().Recording()) return;
  const auto bytes = ReadChosenFile();
  if (!bytes) return;
  ShowLibraryOutcome(window_.MacroStore().ImportOne(*bytes, window_.Texts()), true);
}

void MacroPage::Btn_ImportClick() {
  CloseContextPanels();
  if (editor_.Recorder().Recording()) return;
  const auto bytes = ReadChosenFile();
  if (!bytes) return;
  ShowLibraryOutcome(window_.MacroStore().ImportAll(*bytes), false);
}

void MacroPage::Btn_ExportOneClick() {
  CloseContextPanels();
  const int line = view_->Library()->SelectedLine();
  if (line < 0) return;
  const std::optional<QString> chosen = window_.Dialogs().PickSaveFile(kSaveFilter);
  if (!chosen) return;
  auto written = window_.MacroStore().ExportOne(line, PathOf(*chosen));
  if (!written) window_.ShowMessageText(FromUtf8Text(written.error().context));
}

void MacroPage::Btn_ExportClick() {
  CloseContextPanels();
  const std::optional<QString> chosen = window_.Dialogs().PickSaveFile(kSaveFilter);
  if (!chosen) return;
  auto written = window_.MacroStore().ExportAll(PathOf(*chosen));
  if (!written) window_.ShowMessageText(FromUtf8Text(written.error().context));
}

}  // namespace veltrax::gui
