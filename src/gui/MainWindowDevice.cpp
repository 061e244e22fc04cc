// The main window's device flows: its buttons start them through one table
// (Furniture), the device thread runs them, and the window stays locked
// but painting until each has ended.

#include "gui/EngineerPage.h"
#include "gui/FlowRunner.h"
#include "gui/Furniture.h"
#include "gui/InputBlocker.h"
#include "gui/LoadingWindow.h"
#include "gui/MainWindow.h"
#include "gui/WindowChrome.h"

namespace veltrax::gui {

void MainWindow::ConnectFlows() {
  connect(runner_.get(), &FlowRunner::FlowStarted, this, [this](bool pausesWatch) {
    blocker_->SetBlocking(true);
    if (pausesWatch) devTimer_.stop();
  });
  connect(runner_.get(), &FlowRunner::ChunkDone, this, [this] {
    if (loading_) loading_->ShowCentredOver(geometry());
  });
  connect(runner_.get(), &FlowRunner::DeviceWorkDone, this, [this] {
    if (loading_) loading_->hide();
  });
  connect(runner_.get(), &FlowRunner::FlowEnded, this, [this](bool pausesWatch) {
    deviceOpen_ = link_.IsOpen();
    if (pausesWatch) devTimer_.start();
    blocker_->SetBlocking(false);
    if (closeRequested_) {
      closeRequested_ = false;
      close();
    }
  });
  connect(chrome_, &WindowChrome::Clicked, this, [this](const QString& base) {
    const FurnitureItem* item = FurnitureItemOf(base);
    if (item && item->flow) StartFlow(*item->flow);
  });
  connect(engineer_, &EngineerPage::WriteClicked, this, [this] { StartFlow(DeviceFlow::Apply); });
  connect(engineer_, &EngineerPage::SaveClicked, this, [this] { StartFlow(DeviceFlow::SaveProfile); });
  connect(engineer_, &EngineerPage::LoadClicked, this, [this] { StartFlow(DeviceFlow::LoadProfile); });
  connect(engineer_, &EngineerPage::DefaultClicked, this, [this] {
    if (FlowRunning()) return;
    engineer_->ShowResultMark(false);
    StartFlow(DeviceFlow::RestoreBuiltIn);
  });
}

bool MainWindow::FlowRunning() const { return runner_->Busy(); }

DeviceRunner& MainWindow::Runner() { return *runner_; }

void MainWindow::WaitForFlows() { runner_->WaitUntilIdle(); }

void MainWindow::StartFlow(DeviceFlow flow) {
  if (runner_->Busy()) return;
  // The pressed look of the four copies of the flow's button, also when the
  // engineer page's button started it.
  for (const FurnitureItem& item : FurnitureItems()) {
    if (item.flow == flow) chrome_->ShowPressed(QString::fromLatin1(item.base));
  }
  (void)flows_->Start(flow, [this, flow](const FlowResult& result) {
    if (flow == DeviceFlow::Confirm && result.deviceOpen) close();
    // The engineer page's mark: the mouse holds the built-in defaults.
    if (flow == DeviceFlow::RestoreBuiltIn) engineer_->ShowResultMark(result.write == WriteOutcome::Verified);
  });  // starts: no flow runs
}

void MainWindow::DevTimerTimer() {
  // A tick that arrives while a flow runs is dropped.
  (void)flows_->DevTimerTimer(*watch_);
}

}  // namespace veltrax::gui
