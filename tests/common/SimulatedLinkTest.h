#pragma once
// A simulated mouse on virtual time and a link to it: where the tests of the
// link's exchanges, the key test and the macro area import start.
//
//   Open               opens the mouse as the served model
//   OpenInTransaction  also begins a transaction (and sends the status
//                      query, as the identity gate does, unless told not
//                      to), then forgets those exchanges and their time:
//                      the log is empty and Elapsed counts from here
//   Count              how often the log holds a command

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "device/DeviceLink.h"
#include "device/Protocol.h"
#include "device/ServedModel.h"
#include "device/Sleeper.h"
#include "sim/SimulatedMouse.h"

namespace veltrax::test {

class SimulatedLinkTest : public ::testing::Test {
 protected:
  enum class Query { Sent, Skipped };

  void Open() { ASSERT_TRUE(link.OpenDevice(kServedVendorId, kServedProductId, kRequiredRelease)); }

  void OpenInTransaction(Query query = Query::Sent) {
    Open();
    ASSERT_TRUE(link.SendCommand(Command::BeginTransactionCmd));
    if (query == Query::Sent) {
      ASSERT_TRUE(link.SendCommand(Command::StatusQueryCmd));
    }
    mouse.ClearLog();
    start = clock.NowMs();
  }

  int64_t Elapsed() const { return clock.NowMs() - start; }

  size_t Count(Command code) const {
    const auto log = mouse.CommandLog();
    return static_cast<size_t>(std::count(log.begin(), log.end(), code));
  }

  SimulatedMouse mouse;
  VirtualClock clock;
  DeviceLink link{mouse, clock};
  int64_t start = 0;
};

}  // namespace veltrax::test
