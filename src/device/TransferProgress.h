#pragma once
// Progress of the memory exchanges that show the loading window: told after
// every 6-byte chunk, on the thread that runs the exchange. The quiet read
// of the identity bytes tells nothing.

namespace veltrax {

class TransferProgress {
 public:
  virtual ~TransferProgress() = default;
  virtual void ChunkDone(int done, int total) = 0;
};

}  // namespace veltrax
