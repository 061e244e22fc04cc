#pragma once
// Work with the mouse, run where the device link lives.
//
// The program talks to the mouse from one thread at a time. The window hands
// every piece of such work (a read, an apply, a restore, a profile save or
// load, the connection watch's tick, the macro area import, the key test) to
// a DeviceRunner as a DeviceJob:
//
//   Run     on the device thread: the exchanges with the mouse and their
//           pauses, through work.link and work.sleeper only. It must not
//           touch the pages, dialogs or anything else the window holds; it
//           keeps what it found in the job's own members.
//   Finish  back on the thread that started the job (the window's): shows
//           what Run found, asks the user, changes the pages. It may return
//           a next job, which runs at once as part of the same flow (a flow
//           whose steps alternate between the mouse and the pages, such as
//           "wait, check the mouse, build the image, write it").
//
// While a flow runs the runner refuses a second one (Start returns false),
// so two flows never overlap; the window also drops input meanwhile.
// A job that loops (the key test's button poll) ends its loop when
// work.StopRequested() turns true; the runner sets it when asked to stop.

#include <atomic>
#include <functional>
#include <memory>

namespace veltrax {

class DeviceLink;
class Sleeper;

struct DeviceWork {
  DeviceLink& link;
  Sleeper& sleeper;
  const std::atomic<bool>& stop;

  bool StopRequested() const { return stop.load(); }
};

class DeviceJob {
 public:
  virtual ~DeviceJob() = default;
  virtual void Run(DeviceWork& work) = 0;
  virtual std::unique_ptr<DeviceJob> Finish() { return nullptr; }
  // Whether the connection watch (DevTimer) is off while the flow runs. Only
  // the watch's own tick leaves it running.
  virtual bool PausesWatch() const { return true; }
};

enum class WatchDuringJob { Paused, Running };

// A job from two functions; finish may be empty.
std::unique_ptr<DeviceJob> MakeDeviceJob(std::function<void(DeviceWork&)> run,
                                         std::function<std::unique_ptr<DeviceJob>()> finish = {},
                                         WatchDuringJob watch = WatchDuringJob::Paused);
// first, with the jobs its Finish returns; then, on the starting thread,
// once they are done. then may return a further job. Without a first job
// nothing runs.
std::unique_ptr<DeviceJob> ThenDeviceJob(std::unique_ptr<DeviceJob> first,
                                         std::function<std::unique_ptr<DeviceJob>()> then);

class DeviceRunner {
 public:
  virtual ~DeviceRunner() = default;
  // Runs job and the jobs its Finish returns; ended runs on this thread
  // after the last Finish, when the runner is free again. False, with
  // nothing run, while another flow runs.
  [[nodiscard]] virtual bool Start(std::unique_ptr<DeviceJob> job, std::function<void()> ended = {}) = 0;
  virtual bool Busy() const = 0;
  // Asks a looping job to end its loop.
  virtual void RequestStop() = 0;
};

// Runs jobs at once on the calling thread: veltraxctl, benchmarks, tests.
class InlineRunner final : public DeviceRunner {
 public:
  InlineRunner(DeviceLink& link, Sleeper& sleeper) : link_(link), sleeper_(sleeper) {}

  bool Start(std::unique_ptr<DeviceJob> job, std::function<void()> ended = {}) override;
  bool Busy() const override { return busy_; }
  void RequestStop() override { stop_ = true; }

 private:
  DeviceLink& link_;
  Sleeper& sleeper_;
  std::atomic<bool> stop_ = false;
  bool busy_ = false;
};

}  // namespace veltrax
