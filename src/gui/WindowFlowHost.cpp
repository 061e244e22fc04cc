#include "gui/WindowFlowHost.h"

#include <QCoreApplication>

#include "gui/KeyPageEditor.h"
#include "gui/LoadingWindow.h"
#include "gui/MainWindow.h"
#include "gui/UserDialogs.h"
#include "gui/WindowChrome.h"

namespace veltrax::gui {

namespace {

// The file dialogs' filters of profile files.
const QString kSaveFilter = QStringLiteral("SaveFile(*.bin)");
const QString kLoadFilter = QStringLiteral("LoadFile(*.bin)");

std::optional<std::filesystem::path> ToPath(const std::optional<QString>& chosen) {
  if (!chosen) return std::nullopt;
  return std::filesystem::path(chosen->toStdU16String());
}

}  // namespace

void WindowFlowHost::ShowLoadingWindow() {
  if (LoadingWindow* loading = window_.Loading()) loading->ShowCentredOver(window_.geometry());
}

void WindowFlowHost::ProcessMessages() { QCoreApplication::processEvents(); }

void WindowFlowHost::ChunkDone(int, int) {}

void WindowFlowHost::LockPages() { window_.LockPages(); }

void WindowFlowHost::UnlockPages() { window_.UnlockPages(); }

void WindowFlowHost::HideLoadingWindow() {
  if (LoadingWindow* loading = window_.Loading()) loading->hide();
}

void WindowFlowHost::EnableDevTimer(bool enabled) {
  if (enabled) {
    window_.DevTimer().start();
  } else {
    window_.DevTimer().stop();
  }
}

void WindowFlowHost::ShowMessage(const Message& message) {
  const QString text = QString::fromStdString(message.text);
  if (message.style == MessageStyle::SystemBox) {
    window_.Dialogs().ShowPlainMessage(text);
  } else {
    window_.ShowMessageText(text);
  }
}

void WindowFlowHost::HideAllMenu() { window_.HideAllMenu(); }

void WindowFlowHost::ShowPressedLook(std::string_view button) {
  // "Btn_Apply" names the four copies Btn_Apply_1 .. Btn_Apply_4.
  QString base = QString::fromUtf8(button.data(), static_cast<int>(button.size()));
  if (base.startsWith(QLatin1String("Btn_"))) base = base.mid(4);
  window_.Chrome().ShowPressed(base);
}

std::optional<std::filesystem::path> WindowFlowHost::ChooseSaveFile() {
  return ToPath(window_.Dialogs().PickSaveFile(kSaveFilter));
}

std::optional<std::filesystem::path> WindowFlowHost::ChooseOpenFile() {
  return ToPath(window_.Dialogs().PickOpenFile(kLoadFilter));
}

void WindowFlowHost::ShowFirstPage() { window_.ShowFirstPage(); }

void WindowFlowHost::ResetNavigationLook() { window_.ResetNavigationLook(); }

void WindowFlowHost::RebuildMainPage() {
  if (window_.CurrentPage() == Page::ModeA) window_.RefreshKeyLabels();
}

void WindowFlowHost::CloseMainWindow() { window_.close(); }

void WindowFlowHost::RefreshPageViews(const DataBuf&, const EngineerControls&) {
  window_.RefreshKeyLabels();
  window_.KeyEditor().ShowOptionLines();
}

}  // namespace veltrax::gui
