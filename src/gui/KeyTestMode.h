#pragma once
// The key test on the engineer page: btn_TestKeys starts it (the device
// thread polls the held buttons and blinks btn_Key101..109 of each one,
// see device/KeyTest.h); TestTimer counts the idle seconds down on the
// button ("5..." to "0...", the button's caption again while a button is
// pressed) and ends the test at the sixth idle tick. Meanwhile the
// connection watch is off and the window takes no input.

#include <QObject>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <atomic>
#include <functional>

#include "device/KeyTest.h"

namespace veltrax::gui {

class MainWindow;

class KeyTestMode : public QObject, private BlinkSink {
  Q_OBJECT

 public:
  // keys: btn_Key101..109 first; caption: the test button's own caption.
  KeyTestMode(MainWindow& window, QPushButton* testKeys, const std::array<QPushButton*, 18>& keys,
              std::function<QString()> caption);

  void btn_TestKeysClick();
  void TestTimerTimer();
  QTimer& TestTimer() { return testTimer_; }
  bool Running() const { return running_; }

 private:
  // On the device thread: the change is carried out on the window's.
  void SetButtonShown(int button, bool shown) override;
  void Ended();

  MainWindow& window_;
  QPushButton* testKeys_;
  std::array<QPushButton*, 18> keys_;
  std::function<QString()> caption_;
  QTimer testTimer_;
  KeyTestCountdown countdown_;
  std::atomic<bool> pressed_ = false;
  bool running_ = false;
};

}  // namespace veltrax::gui
