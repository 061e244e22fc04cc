#include "macro/MacroAreaImport.h"

#include <algorithm>
#include <array>
#include <string>

#include "macro/MacroFileKinds.h"

namespace veltrax {

Result<std::vector<uint8_t>> MacroAreaOfFile(std::span<const uint8_t> file) {
  if (Status kind = CheckMacroAreaFile(file); !kind) return kind.error();
  return std::vector<uint8_t>(file.begin(), file.end());
}

AreaImportOutcome WriteMacroArea(DeviceLink& link, std::span<const uint8_t, kMacroAreaBytes> area) {
  const GateOutcome gate = link.IdentityGate();
  if (link.Gone()) return AreaImportOutcome::Unplugged;
  if (!NeedsTransactionEnd(gate)) return AreaImportOutcome::NoAnswer;
  AreaImportOutcome outcome = AreaImportOutcome::Rejected;
  if (gate == GateOutcome::Passed) {
    // The read-back decides: a chunk whose answer came late may still have
    // been stored, one that was acknowledged may have landed elsewhere.
    const TransferResult written = link.WriteMemory(kMacroAreaAddress, kMacroAreaBytes, area);
    outcome = AreaImportOutcome::Refused;
    if (written.accepted) {
      std::array<uint8_t, kMacroAreaBytes> back{};
      const TransferResult read =
          link.ReadMemoryChecked(kMacroAreaAddress, kMacroAreaBytes, back, DeviceLink::Loading::Quiet);
      const bool same = read.complete() && std::equal(back.begin(), back.end(), area.begin());
      if (same) {
        outcome = AreaImportOutcome::Written;
      } else if (written.complete()) {
        outcome = AreaImportOutcome::Differs;
      }
    }
  }
  if (!link.CloseTransaction() && outcome == AreaImportOutcome::Written) outcome = AreaImportOutcome::EndRefused;
  if (link.Gone()) outcome = AreaImportOutcome::Unplugged;
  return outcome;
}

}  // namespace veltrax
