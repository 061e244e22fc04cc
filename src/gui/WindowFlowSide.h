#pragma once
// The window's side of the device flows: the pages' overlays and views,
// messages and file choices, on the window's thread.

#include "image/FlowPages.h"

namespace veltrax::gui {

class MainWindow;

class WindowFlowSide final : public FlowPages, public FlowDialogs {
 public:
  explicit WindowFlowSide(MainWindow& window) : window_(window) {}

  // FlowPages
  void SetPagesLocked(bool locked) override;
  void HideMenus() override;
  void Contribute(ImageState& state) override;
  void Receive(const ImageState& state, PagesChange change) override;
  void RefreshPageViews(const DataBuf& dataBuf, const EngineerControls& controls) override;

  // FlowDialogs
  void ShowMessage(const Message& message) override;
  std::optional<std::filesystem::path> ChooseSaveFile() override;
  std::optional<std::filesystem::path> ChooseOpenFile() override;

 private:
  MainWindow& window_;
};

}  // namespace veltrax::gui
