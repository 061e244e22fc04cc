#pragma once
// A main window on the simulated mouse in virtual time, with dialogs that
// answer for the user and record what was shown.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <memory>
#include <optional>
#include <vector>

#include "common/HookedClock.h"
#include "gui/LoadingWindow.h"
#include "gui/MainWindow.h"
#include "gui/SkinnedPage.h"
#include "gui/UserDialogs.h"
#include "device/DeviceLink.h"
#include "device/Sleeper.h"
#include "image/DefaultImages.h"
#include "sim/SimulatedMouse.h"

namespace veltrax::gui {

class RecordingDialogs final : public UserDialogs {
 public:
  struct Shown {
    QString text;
    bool plain;
  };
  std::vector<Shown> shown;
  std::optional<QString> nextFile;
  std::vector<QString> filters;
  std::optional<QColor> nextColor;  // the system colour dialog's answer
  std::vector<QColor> colorsOffered;

  void ShowMessage(const QString& text, const QString&) override { shown.push_back({text, false}); }
  void ShowPlainMessage(const QString& text) override { shown.push_back({text, true}); }
  // The codes typed into the password dialog, one per time it opens;
  // nothing: Cancel.
  std::vector<std::optional<QString>> passwords;
  int passwordsAsked = 0;
  std::optional<QString> AskPassword() override {
    const size_t turn = static_cast<size_t>(passwordsAsked++);
    return turn < passwords.size() ? passwords[turn] : std::nullopt;
  }
  std::optional<QString> PickSaveFile(const QString& filter) override { return Pick(filter); }
  std::optional<QString> PickOpenFile(const QString& filter) override { return Pick(filter); }
  std::optional<QColor> PickColor(const QColor& initial) override {
    colorsOffered.push_back(initial);
    return nextColor;
  }

 private:
  std::optional<QString> Pick(const QString& filter) {
    filters.push_back(filter);
    return nextFile;
  }
};

class WindowTest : public testing::Test {
 protected:
  WindowTest() : mouse_(SimFaults{}, DefaultImage(1)), link_(mouse_, clock_) {
    window_ = std::make_unique<MainWindow>(link_, clock_, true);
    auto dialogs = std::make_unique<RecordingDialogs>();
    dialogs_ = dialogs.get();
    window_->SetDialogs(std::move(dialogs));
    window_->SetLoadingWindow(&loading_);
    window_->show();
    QCoreApplication::processEvents();
  }

  // The first watch tick finds the mouse and reads its image.
  void ConnectMouse() {
    Tick();
    ASSERT_TRUE(link_.IsOpen());
    ASSERT_FALSE(window_->PagesLocked());
  }

  // One watch tick, run to its end on the device thread.
  void Tick() {
    window_->DevTimerTimer();
    window_->WaitForFlows();
  }
  // A device button's flow, run to its end.
  void RunFlow(DeviceFlow flow) {
    window_->StartFlow(flow);
    window_->WaitForFlows();
  }

  SkinButton* Button(const QString& name) const { return window_->findChild<SkinButton*>(name); }
  // A click where the button lies, through the window: whatever is on top
  // there (a page overlay) gets it. A flow it starts is run to its end.
  void Click(const QString& name) {
    ClickOnly(name);
    window_->WaitForFlows();
  }
  // The same, leaving a flow it starts running.
  void ClickOnly(const QString& name) {
    SkinButton* button = Button(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    const QPoint at = button->mapTo(window_.get(), button->rect().center());
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
  }
  QWidget* Widget(const QString& name) const { return window_->findChild<QWidget*>(name); }
  bool Shown(const QString& name) const { return Widget(name) && Widget(name)->isVisibleTo(window_.get()); }
  // Shown on its page, whether or not the page is.
  bool ShownOnPage(const QString& name) const {
    return Widget(name) && Widget(name)->isVisibleTo(Widget(name)->parentWidget());
  }

  test::HookedClock clock_;
  SimulatedMouse mouse_;
  DeviceLink link_;
  LoadingWindow loading_;
  std::unique_ptr<MainWindow> window_;
  RecordingDialogs* dialogs_ = nullptr;
};

}  // namespace veltrax::gui
