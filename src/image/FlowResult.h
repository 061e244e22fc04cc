#pragma once
// The flows a control can start, and how a flow ended.

namespace veltrax {

// What the window's device buttons start, each copy of a button alike.
enum class DeviceFlow {
  Read,            // Btn_Read_1..4
  Apply,           // Btn_Apply_1..4, btn_Write
  Confirm,         // Btn_Confirm_1..4: Apply, then the window closes
  Restore1,        // Btn_Confirm1_1..4: default image 1
  Restore2,        // Btn_Confirm2_1..4
  Restore3,        // Btn_Confirm3_1..4
  RestoreBuiltIn,  // Btn_Default: the built-in section defaults
  SaveProfile,     // Btn_Save_1..4, Btn_Save_6
  LoadProfile,     // Btn_Load_1..4, Btn_Load_6
};

enum class [[nodiscard]] ReadOutcome {
  NoAnswer,          // the transaction could not be opened
  NoMarker,          // the status reply lacked the identity marker
  IdentityRejected,  // served model with unexpected identity bytes (Str107)
  WrongModel,        // status flag clear or another model (Str020), device dropped
  ReadFailed,        // the identity or the image could not be read (Str109); nothing shown changed
  Unplugged,         // the mouse went away during the read (Str100, the no-device state)
  Read,              // the image is on the pages
};

enum class [[nodiscard]] WriteOutcome {
  NoDevice,      // no mouse open (Str020)
  GateFailed,    // the mouse refused the transaction or is not served (Str109); nothing written
  WriteRefused,  // the mouse refused the write's address command (Str109); nothing written
  Unverified,    // a repair or the read-back was refused, bytes were not read back, or still differ (Str109)
  EndRefused,    // verified, but the mouse did not acknowledge the end of the transaction (Str109)
  Unplugged,     // the mouse went away during the write (Str100, the no-device state)
  Verified,      // the mouse holds the working image and closed the transaction
};

enum class [[nodiscard]] ProfileOutcome {
  NoDevice,    // Str020
  Cancelled,   // the file dialog was closed
  Refused,     // the file could not be read or written, or is no profile (Str102)
  ReadFailed,  // saving: the mouse's image could not be read, no file written
  Saved,
  Verified,    // loading: written to the mouse and verified
  Unverified,  // loading: on the pages, but the mouse does not hold it
};

// How the last flow ended; the parts the flow did not reach keep their
// first value.
struct [[nodiscard]] FlowResult {
  bool deviceOpen = false;  // the mouse was open when the flow checked
  ReadOutcome read = ReadOutcome::NoAnswer;
  WriteOutcome write = WriteOutcome::NoDevice;
  ProfileOutcome profile = ProfileOutcome::NoDevice;
};

}  // namespace veltrax
