#pragma once
// The window's device thread: runs the jobs of a flow (see
// device/DeviceJob.h) one after the other on a thread of its own, which owns
// the device link while they run, and each job's Finish back on the
// window's thread. Meanwhile the window's event loop goes on: it paints,
// moves the loading window on ChunkDone and drops the user's input.

#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>

#include "device/DeviceJob.h"
#include "device/DeviceLink.h"
#include "device/Sleeper.h"

namespace veltrax::gui {

class FlowRunner final : public QObject, public DeviceRunner {
  Q_OBJECT

 public:
  // Becomes the link's transfer progress.
  FlowRunner(DeviceLink& link, Sleeper& sleeper);
  // Asks a running job to stop and waits for its exchanges to end; its
  // Finish does not run.
  ~FlowRunner() override;

  bool Start(std::unique_ptr<DeviceJob> job, std::function<void()> ended = {}) override;
  bool Busy() const override { return busy_; }
  void RequestStop() override { stop_ = true; }
  // Runs the event loop until no flow runs.
  void WaitUntilIdle();

 signals:
  // A flow began; the connection watch pauses when pausesWatch is set.
  void FlowStarted(bool pausesWatch);
  // A transfer that shows the loading window went on (the latest count; a
  // busy event loop hears fewer).
  void ChunkDone(int done, int total);
  // A job's exchanges are over; its Finish (messages, pages) comes next.
  void DeviceWorkDone();
  // The flow is over and the runner is free again.
  void FlowEnded(bool pausesWatch);

 private:
  class Progress;

  void Dispatch();
  void JobRan();

  DeviceLink& link_;
  Sleeper& sleeper_;
  std::unique_ptr<Progress> progress_;
  std::atomic<bool> stop_ = false;
  QThread thread_;
  QObject onThread_;  // lives on thread_: the target of the jobs' runs
  std::unique_ptr<DeviceJob> job_;
  std::function<void()> ended_;
  bool busy_ = false;
  bool pausesWatch_ = true;
};

}  // namespace veltrax::gui
