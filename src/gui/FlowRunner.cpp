#include "gui/FlowRunner.h"

#include <QEventLoop>

namespace veltrax::gui {

// Hands the chunk counts of the device thread to the window's thread, with
// at most one hand-over waiting, so a transfer of 342 chunks does not queue
// 342 events when the window is slow to paint.
class FlowRunner::Progress final : public TransferProgress {
 public:
  explicit Progress(FlowRunner& runner) : runner_(runner) {}

  void ChunkDone(int done, int total) override {
    done_ = done;
    total_ = total;
    if (pending_.exchange(true)) return;
    QMetaObject::invokeMethod(
        &runner_,
        [this] {
          pending_ = false;
          emit runner_.ChunkDone(done_, total_);
        },
        Qt::QueuedConnection);
  }

 private:
  FlowRunner& runner_;
  std::atomic<int> done_ = 0;
  std::atomic<int> total_ = 0;
  std::atomic<bool> pending_ = false;
};

FlowRunner::FlowRunner(DeviceLink& link, Sleeper& sleeper)
    : link_(link), sleeper_(sleeper), progress_(std::make_unique<Progress>(*this)) {
  thread_.setObjectName(QStringLiteral("device"));
  onThread_.moveToThread(&thread_);
  thread_.start();
  link_.SetProgress(progress_.get());
}

FlowRunner::~FlowRunner() {
  stop_ = true;
  thread_.quit();
  thread_.wait();
  link_.SetProgress(nullptr);
}

bool FlowRunner::Start(std::unique_ptr<DeviceJob> job, std::function<void()> ended) {
  if (busy_ || !job) return false;
  busy_ = true;
  stop_ = false;
  job_ = std::move(job);
  ended_ = std::move(ended);
  pausesWatch_ = job_->PausesWatch();
  emit FlowStarted(pausesWatch_);
  Dispatch();
  return true;
}

// The job is touched by one thread at a time: the device thread from here
// until JobRan is queued, then the window's thread.
void FlowRunner::Dispatch() {
  QMetaObject::invokeMethod(
      &onThread_,
      [this, job = job_.get()] {
        DeviceWork work{link_, sleeper_, stop_};
        job->Run(work);
        QMetaObject::invokeMethod(this, &FlowRunner::JobRan, Qt::QueuedConnection);
      },
      Qt::QueuedConnection);
}

void FlowRunner::JobRan() {
  emit DeviceWorkDone();
  std::unique_ptr<DeviceJob> next = job_->Finish();
  if (next) {
    job_ = std::move(next);
    Dispatch();
    return;
  }
  job_.reset();
  busy_ = false;
  emit FlowEnded(pausesWatch_);
  const std::function<void()> ended = std::move(ended_);
  ended_ = nullptr;
  if (ended) ended();
}

void FlowRunner::WaitUntilIdle() {
  while (busy_) {
    QEventLoop loop;
    connect(this, &FlowRunner::FlowEnded, &loop, &QEventLoop::quit);
    loop.exec();
  }
}

}  // namespace veltrax::gui
