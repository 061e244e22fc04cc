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
  if (!NeedsTransactionEnd(gate)) return AreaImportOutcome::NoAnswer;
  AreaImportOutcome outcome = AreaImportOutcome::Rejected;
  if (gate == GateOutcome::Passed) {
    const TransferResult written = link.WriteMemory(kMacroAreaStart, kMacroAreaBytes, area);
    outcome = AreaImportOutcome::Refused;
    if (written.complete()) {
      std::array<uint8_t, kMacroAreaBytes> back{};
      const TransferResult read = link.ReadMemoryQuiet(kMacroAreaStart, kMacroAreaBytes, back, kMacroAreaBytes - 1);
      const bool same = read.complete() && std::equal(back.begin(), back.end(), area.begin());
      outcome = same ? AreaImportOutcome::Written : AreaImportOutcome::Differs;
    }
  }
  link.CloseTransaction();
  return outcome;
}

}  // namespace veltrax
