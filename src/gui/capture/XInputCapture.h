#pragma once
// Desktop-wide input capture on an X server through the XInput 2 extension:
// the raw key and button events of the master devices, read on a thread of
// its own over a connection of its own, only while a capture runs, and
// handed to the user-interface thread in the order they came.

#include <atomic>
#include <memory>
#include <thread>

#include "gui/capture/InputCapture.h"

struct _XDisplay;

namespace veltrax::gui {

class XInputCapture final : public InputCapture {
 public:
  // Null when there is no X server to talk to or it lacks XInput 2.
  // displayName null: the DISPLAY of the environment.
  static std::unique_ptr<XInputCapture> Open(QObject* uiThread, const char* displayName = nullptr);
  ~XInputCapture() override;
  XInputCapture(const XInputCapture&) = delete;
  XInputCapture& operator=(const XInputCapture&) = delete;

  bool Start(CaptureSink sink) override;
  void Stop() override;
  bool SystemWide() const override { return true; }

 private:
  XInputCapture(_XDisplay* display, int opcode, QObject* uiThread);
  bool Select(bool on);
  void Run(const CaptureSink& sink, const std::shared_ptr<std::atomic<bool>>& live);

  _XDisplay* display_;
  int opcode_;
  QObject* uiThread_;
  int wake_[2] = {-1, -1};
  std::thread thread_;
  // Cleared by Stop, so that events still queued for the user-interface
  // thread are dropped there.
  std::shared_ptr<std::atomic<bool>> live_;
};

}  // namespace veltrax::gui
