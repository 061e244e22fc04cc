#include "gui/WindowFlowSide.h"

#include "gui/AdvancedPage.h"
#include "gui/EngineerPage.h"
#include "gui/KeyPageEditor.h"
#include "gui/PointerPanel.h"
#include "gui/MacroPage.h"
#include "gui/MainWindow.h"
#include "gui/UserDialogs.h"

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

void WindowFlowSide::SetPagesLocked(bool locked) {
  if (locked) {
    window_.LockPages();
  } else {
    window_.UnlockPages();
  }
}

void WindowFlowSide::HideMenus() { window_.HideAllMenu(); }

// The pointer settings go to the desktop with every write of the pages.
void WindowFlowSide::Contribute(ImageState&) { window_.Advanced()->Pointer().ApplyPointerSettings(); }

void WindowFlowSide::Receive(const ImageState&, PagesChange change) {
  switch (change) {
    case PagesChange::NoDevice:
      window_.ShowFirstPage();
      window_.ResetNavigationLook();
      break;
    case PagesChange::Read:
      window_.ShowFirstPage();
      if (window_.CurrentPage() == Page::ModeA) window_.RefreshKeyLabels();
      window_.Advanced()->Pointer().RefreshPointerSettings();
      window_.Macros().RefreshPCMacroName();
      break;
    case PagesChange::Identity:
    case PagesChange::Loaded:
    case PagesChange::Restored: break;
  }
}

void WindowFlowSide::RefreshPageViews(const DataBuf&, const EngineerControls&) {
  window_.RefreshKeyLabels();
  window_.KeyEditor().ShowOptionLines();
  window_.ShowSettingsImage();
  window_.Engineer()->Refresh();
}

void WindowFlowSide::ShowMessage(const Message& message) {
  const QString text = QString::fromStdString(message.text);
  if (message.style == MessageStyle::SystemBox) {
    window_.Dialogs().ShowPlainMessage(text);
  } else {
    window_.ShowMessageText(text);
  }
}

std::optional<std::filesystem::path> WindowFlowSide::ChooseSaveFile() {
  return ToPath(window_.Dialogs().PickSaveFile(kSaveFilter));
}

std::optional<std::filesystem::path> WindowFlowSide::ChooseOpenFile() {
  return ToPath(window_.Dialogs().PickOpenFile(kLoadFilter));
}

}  // namespace veltrax::gui
