#include "gui/KeyTestMode.h"

#include "gui/MainWindow.h"

namespace veltrax::gui {

KeyTestMode::KeyTestMode(MainWindow& window, QPushButton* testKeys, const std::array<QPushButton*, 18>& keys,
                         std::function<QString()> caption)
    : QObject(testKeys), window_(window), testKeys_(testKeys), keys_(keys), caption_(std::move(caption)) {
  testTimer_.setObjectName(QStringLiteral("TestTimer"));
  testTimer_.setInterval(kKeyTestTimerMs);
  connect(&testTimer_, &QTimer::timeout, this, &KeyTestMode::TestTimerTimer);
  connect(testKeys_, &QPushButton::clicked, this, &KeyTestMode::btn_TestKeysClick);
}

void KeyTestMode::btn_TestKeysClick() {
  window_.HideAllMenu();
  if (running_ || window_.FlowRunning()) return;
  // The runner turns the connection watch off until the flow has ended.
  if (!window_.Runner().Start(KeyTestJob(pressed_, *this), [this] { Ended(); })) return;
  running_ = true;
  testKeys_->setEnabled(false);
  countdown_.Start();
  testTimer_.start();
}

void KeyTestMode::TestTimerTimer() {
  if (!running_) return;
  const KeyTestCountdown::Tick tick = countdown_.OnTimer(pressed_);
  testKeys_->setText(tick.secondsLeft && !tick.ended ? QString::fromStdString(CountdownCaption(*tick.secondsLeft))
                                                     : caption_());
  if (!tick.ended) return;
  // The worker ends after a blink in progress; the transaction is closed
  // after it, and Ended follows.
  testTimer_.stop();
  window_.Runner().RequestStop();
}

void KeyTestMode::SetButtonShown(int button, bool shown) {
  QPushButton* key = keys_.at(static_cast<size_t>(button - 1));
  QMetaObject::invokeMethod(key, [key, shown] { key->setVisible(shown); }, Qt::QueuedConnection);
}

void KeyTestMode::Ended() {
  running_ = false;
  testTimer_.stop();
  testKeys_->setText(caption_());
  testKeys_->setEnabled(true);
}

}  // namespace veltrax::gui
