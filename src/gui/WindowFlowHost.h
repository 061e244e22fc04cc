#pragma once
// The window side of the device flows: what the read, apply, restore and
// profile flows and the device link ask of the window (locking the pages,
// the loading window, messages, file dialogs, the page furniture).

#include "image/FlowHost.h"

namespace veltrax::gui {

class MainWindow;

class WindowFlowHost final : public FlowHost {
 public:
  explicit WindowFlowHost(MainWindow& window) : window_(window) {}

  // LinkHost
  void ShowLoadingWindow() override;
  void ProcessMessages() override;
  void ChunkDone(int done, int total) override;

  // FlowHost
  void LockPages() override;
  void UnlockPages() override;
  void HideLoadingWindow() override;
  void EnableDevTimer(bool enabled) override;
  void ShowMessage(const Message& message) override;
  void HideAllMenu() override;
  void ShowPressedLook(std::string_view button) override;
  std::optional<std::filesystem::path> ChooseSaveFile() override;
  std::optional<std::filesystem::path> ChooseOpenFile() override;
  void ShowFirstPage() override;
  void ResetNavigationLook() override;
  void RebuildMainPage() override;
  void CloseMainWindow() override;

  // PageViews
  void RefreshPageViews(const DataBuf& dataBuf, const EngineerControls& controls) override;

 private:
  MainWindow& window_;
};

}  // namespace veltrax::gui
