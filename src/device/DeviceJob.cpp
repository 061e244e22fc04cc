#include "device/DeviceJob.h"

namespace veltrax {
namespace {

class FunctionJob final : public DeviceJob {
 public:
  FunctionJob(std::function<void(DeviceWork&)> run, std::function<std::unique_ptr<DeviceJob>()> finish,
              WatchDuringJob watch)
      : run_(std::move(run)), finish_(std::move(finish)), watch_(watch) {}

  void Run(DeviceWork& work) override {
    if (run_) run_(work);
  }
  std::unique_ptr<DeviceJob> Finish() override { return finish_ ? finish_() : nullptr; }
  bool PausesWatch() const override { return watch_ == WatchDuringJob::Paused; }

 private:
  std::function<void(DeviceWork&)> run_;
  std::function<std::unique_ptr<DeviceJob>()> finish_;
  WatchDuringJob watch_;
};

class ThenJob final : public DeviceJob {
 public:
  ThenJob(std::unique_ptr<DeviceJob> first, std::function<std::unique_ptr<DeviceJob>()> then)
      : first_(std::move(first)), then_(std::move(then)) {}

  void Run(DeviceWork& work) override { first_->Run(work); }
  std::unique_ptr<DeviceJob> Finish() override {
    std::unique_ptr<DeviceJob> next = first_->Finish();
    if (next) return std::make_unique<ThenJob>(std::move(next), std::move(then_));
    return then_ ? then_() : nullptr;
  }
  bool PausesWatch() const override { return first_->PausesWatch(); }

 private:
  std::unique_ptr<DeviceJob> first_;
  std::function<std::unique_ptr<DeviceJob>()> then_;
};

}  // namespace

std::unique_ptr<DeviceJob> MakeDeviceJob(std::function<void(DeviceWork&)> run,
                                         std::function<std::unique_ptr<DeviceJob>()> finish, WatchDuringJob watch) {
  return std::make_unique<FunctionJob>(std::move(run), std::move(finish), watch);
}

std::unique_ptr<DeviceJob> ThenDeviceJob(std::unique_ptr<DeviceJob> first,
                                         std::function<std::unique_ptr<DeviceJob>()> then) {
  if (!first) return nullptr;
  return std::make_unique<ThenJob>(std::move(first), std::move(then));
}

bool InlineRunner::Start(std::unique_ptr<DeviceJob> job, std::function<void()> ended) {
  if (busy_ || !job) return false;
  busy_ = true;
  stop_ = false;
  DeviceWork work{link_, sleeper_, stop_};
  while (job) {
    job->Run(work);
    job = job->Finish();
  }
  busy_ = false;
  if (ended) ended();
  return true;
}

}  // namespace veltrax
