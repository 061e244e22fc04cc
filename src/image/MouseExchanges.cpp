#include "image/MouseExchanges.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace veltrax {
namespace {

constexpr int kRepairPasses = 3;
constexpr int kButtonPauses = 11;  // 110 ms
constexpr int kButtonPauseMs = 10;

// Reads the image back and gives the addresses where the mouse does not
// hold the wanted bytes. A byte that was not read back counts among them:
// the 0xFF its buffer was filled with proves nothing, least of all where
// the image itself holds 0xFF. Nothing when the read's address command was
// refused.
std::optional<std::vector<uint16_t>> ReadBackMismatches(DeviceLink& link, const DeviceImage& wanted) {
  DeviceImage readBack;
  const TransferResult read = link.ReadMemoryChecked(0, kImageSize, readBack, DeviceLink::Loading::Shown);
  if (!read.accepted) return std::nullopt;
  std::array<bool, kImageSize> unread{};
  for (int chunk : read.failedChunkIndexes) {
    const int from = chunk * kChunkBytes;
    std::fill(unread.begin() + from, unread.begin() + std::min(from + kChunkBytes, kImageSize), true);
  }
  std::vector<uint16_t> addresses;
  for (int a = 0; a < kImageSize; ++a) {
    if (unread[a] || wanted[a] != readBack[a]) addresses.push_back(static_cast<uint16_t>(a));
  }
  return addresses;
}

// A mouse the system no longer has is let go of.
bool DropWhenGone(DeviceLink& link) {
  if (!link.Gone()) return false;
  link.DropDevice();
  return true;
}

}  // namespace

bool AcceptedIdentities::Accepts(uint8_t vendor, uint8_t product) const {
  const std::pair<int, int> pair{vendor, product};
  return pair == defaultImage || pair == reserve;
}

ImageRead ReadImageAndEnd(DeviceLink& link) {
  ImageRead result;
  result.read = link.ReadMemoryChecked(0, kImageSize, result.image, DeviceLink::Loading::Shown).complete();
  (void)link.CloseTransaction();  // how the mouse took the end changes nothing shown
  result.unplugged = !result.read && DropWhenGone(link);
  return result;
}

IdentifyRead IdentifyAndRead(DeviceLink& link, const AcceptedIdentities& accepted) {
  IdentifyRead result;
  const GateOutcome gate = link.IdentityGate(DeviceLink::ModelReset::Clear);
  if (DropWhenGone(link)) {
    result.outcome = ReadOutcome::Unplugged;
    return result;
  }
  if (gate == GateOutcome::NoMarker) {
    result.outcome = ReadOutcome::NoMarker;
    return result;
  }
  if (!NeedsTransactionEnd(gate)) return result;
  if (gate == GateOutcome::Rejected) {
    (void)link.CloseTransaction();
    link.CloseHandle();
    result.outcome = ReadOutcome::WrongModel;
    return result;
  }
  // A failed identity read leaves 0xFF 0xFF, the default pair: it must not
  // pass for an accepted identity.
  std::array<uint8_t, kIdentityLength> identity{};
  if (!link.ReadMemoryChecked(kIdentityAddress, kIdentityLength, identity, DeviceLink::Loading::Quiet).complete()) {
    (void)link.CloseTransaction();
    result.outcome = DropWhenGone(link) ? ReadOutcome::Unplugged : ReadOutcome::ReadFailed;
    return result;
  }
  result.identity = identity;
  if (!accepted.Accepts(identity[0], identity[1])) {
    (void)link.CloseTransaction();
    result.outcome = ReadOutcome::IdentityRejected;
    return result;
  }
  result.image = ReadImageAndEnd(link);
  if (result.image.read) {
    result.outcome = ReadOutcome::Read;
  } else {
    result.outcome = result.image.unplugged ? ReadOutcome::Unplugged : ReadOutcome::ReadFailed;
  }
  return result;
}

WriteOutcome WriteAndVerify(DeviceLink& link, const DeviceImage& image) {
  if (!link.WriteMemory(0, kImageSize, image).accepted) return WriteOutcome::WriteRefused;
  std::optional<std::vector<uint16_t>> mismatches = ReadBackMismatches(link, image);
  for (int pass = 0; pass < kRepairPasses && mismatches && !mismatches->empty(); ++pass) {
    for (uint16_t address : *mismatches) {
      if (!link.WriteMemory(address, 1, std::span(image).subspan(address, 1)).accepted) {
        return WriteOutcome::Unverified;
      }
    }
    mismatches = ReadBackMismatches(link, image);
  }
  return mismatches && mismatches->empty() ? WriteOutcome::Verified : WriteOutcome::Unverified;
}

WriteOutcome GateAndWrite(DeviceLink& link, const DeviceImage& image) {
  const GateOutcome gate = link.IdentityGate();
  WriteOutcome outcome = WriteOutcome::GateFailed;
  if (gate == GateOutcome::Passed) outcome = WriteAndVerify(link, image);
  if (NeedsTransactionEnd(gate) && !link.CloseTransaction() && outcome == WriteOutcome::Verified) {
    outcome = WriteOutcome::EndRefused;
  }
  if (DropWhenGone(link)) outcome = WriteOutcome::Unplugged;
  return outcome;
}

void ButtonPause(Sleeper& sleeper) {
  for (int i = 0; i < kButtonPauses; ++i) sleeper.SleepMs(kButtonPauseMs);
}

}  // namespace veltrax
