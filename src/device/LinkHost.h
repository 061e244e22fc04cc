#pragma once
// What the device link asks of the program around it during long transfers.

namespace veltrax {

class LinkHost {
 public:
  virtual ~LinkHost() = default;
  // Centre the loading window over the main window and show it (not called
  // by the quiet read).
  virtual void ShowLoadingWindow() {}
  // Let the user interface paint and handle pending events.
  virtual void ProcessMessages() {}
  // Called after every data chunk of a memory exchange.
  virtual void ChunkDone(int done, int total) {
    (void)done;
    (void)total;
  }
};

}  // namespace veltrax
