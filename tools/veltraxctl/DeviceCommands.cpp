#include "DeviceCommands.h"

#include <array>
#include <ostream>

#include "device/ServedModel.h"

namespace veltrax::ctl {
namespace {

const char* ModelName(uint32_t code) {
  switch (code) {
    case 0x99: return " (served)";
    case 0x90:
    case 0x98: return " (another model, not served)";
    default: return " (unknown)";
  }
}

// Opens the mouse and its transaction; reports why not. After a Rejected or
// Passed outcome the transaction must be closed.
GateOutcome OpenAndGate(Session& session, std::ostream& err) {
  if (!session.OpenMouse(err)) return GateOutcome::BeginFailed;
  GateOutcome gate = session.Link().IdentityGate(DeviceLink::ModelReset::Clear);
  switch (gate) {
    case GateOutcome::BeginFailed:
    case GateOutcome::QueryFailed: err << "veltraxctl: the mouse does not answer\n"; break;
    case GateOutcome::NoMarker: err << "veltraxctl: the device answered without the VELTRAX identity marker\n"; break;
    case GateOutcome::Rejected: err << "veltraxctl: the mouse is not a served model\n"; break;
    case GateOutcome::Passed: break;
  }
  return gate;
}

}  // namespace

int ListCommand(Session& session, std::ostream& out, std::ostream& err) {
  DeviceLink& link = session.Link();
  if (!link.OpenDevice(kServedVendorId, kServedProductId, kRequiredRelease)) {
    err << "veltraxctl: " << WhyNoMouse(link) << "\n";
    return 1;
  }
  out << link.DevicePath() << "  " << Hex(link.VendorId(), 4) << ":" << Hex(link.ProductId(), 4) << "  release "
      << Hex(kRequiredRelease, 4) << "  report " << link.ReportLength() << "  ready\n";
  return 0;
}

int InfoCommand(Session& session, std::ostream& out, std::ostream& err) {
  GateOutcome gate = OpenAndGate(session, err);
  if (!NeedsTransactionEnd(gate)) return 1;
  DeviceLink& link = session.Link();
  const auto& reply = link.Report();
  out << "vendor id:    " << Hex(link.VendorId(), 4) << "\n"
      << "product id:   " << Hex(link.ProductId(), 4) << "\n"
      << "marker:       " << Hex(reply[1], 2) << "\n"
      << "status flag:  " << (link.StatusFlag() ? "set" : "clear") << "\n"
      << "model code:   " << Hex(link.ModelCode(), 2) << ModelName(link.ModelCode()) << "\n";
  int status = gate == GateOutcome::Passed ? 0 : 1;
  if (gate == GateOutcome::Passed) {
    std::array<uint8_t, kIdentityLength> identity{};
    TransferResult read = link.ReadMemoryQuiet(kIdentityAddress, kIdentityLength, identity, 1);
    if (read.complete()) {
      out << "identity:     " << int(identity[0]) << " " << int(identity[1]) << " (bytes 54 and 55)\n";
    } else {
      err << "veltraxctl: the identity bytes could not be read\n";
      status = 1;
    }
  }
  if (!link.CloseTransaction()) {
    err << "veltraxctl: the mouse did not acknowledge the end of the transaction\n";
    status = 1;
  }
  return status;
}

int ButtonsCommand(Session& session, std::ostream& out, std::ostream& err) {
  if (!session.OpenMouse(err)) return 1;
  DeviceLink& link = session.Link();
  if (!link.SendCommand(Command::BeginTransactionCmd)) {
    err << "veltraxctl: the mouse does not answer\n";
    return 1;
  }
  const uint16_t mask = link.PollButtons();
  (void)link.CloseTransaction();  // the mask is read; how the mouse took the end does not change it
  out << Hex(mask, 4);
  for (int bit = 0; bit < 16; ++bit) {
    if (mask & (1U << bit)) out << " " << bit;
  }
  out << "\n";
  return 0;
}

}  // namespace veltrax::ctl
