// The main window's device buttons and the connection watch: each runs one
// device flow with the window's input blocked, so no second flow can start
// while the first processes messages.

#include <QCoreApplication>

#include "gui/InputBlocker.h"
#include "gui/MainWindow.h"

namespace veltrax::gui {

template <class F>
void MainWindow::RunFlow(F&& flow) {
  if (flowRunning_) return;
  flowRunning_ = true;
  blocker_->SetBlocking(true);
  flow();
  blocker_->SetBlocking(false);
  flowRunning_ = false;
  if (closeRequested_) {
    closeRequested_ = false;
    close();
  }
}

void MainWindow::Btn_Read_0Click() {
  RunFlow([this] { flows_->Btn_Read_0Click(); });
}

void MainWindow::Btn_Apply_0Click() {
  RunFlow([this] { flows_->Btn_Apply_0Click(); });
}

void MainWindow::Btn_Confirm_0Click() {
  RunFlow([this] { flows_->Btn_Confirm_0Click(); });
}

void MainWindow::Btn_Confirm1_1Click() {
  RunFlow([this] { flows_->Btn_Confirm1_1Click(); });
}

void MainWindow::Btn_Confirm2_1Click() {
  RunFlow([this] { flows_->Btn_Confirm2_1Click(); });
}

void MainWindow::Btn_Confirm3_1Click() {
  RunFlow([this] { flows_->Btn_Confirm3_1Click(); });
}

void MainWindow::Btn_DefaultClick() {
  RunFlow([this] { flows_->Btn_DefaultClick(); });
}

void MainWindow::Btn_Save_0Click() {
  RunFlow([this] { flows_->Btn_Save_0Click(); });
}

void MainWindow::Btn_Load_0Click() {
  RunFlow([this] { flows_->Btn_Load_0Click(); });
}

void MainWindow::DevTimerTimer() {
  // A tick that arrives while a flow (or an earlier tick) waits returns at once.
  RunFlow([this] { watch_->DevTimerTimer(); });
}

}  // namespace veltrax::gui
