#pragma once
// The mouse's feature-report command protocol: codes, bytes, timing.

#include <cstdint>

namespace veltrax {

enum class Command : uint8_t {
  BeginTransactionCmd = 1,
  EndTransactionCmd = 2,
  StatusQueryCmd = 3,
  ReadAddressCmd = 4,
  ReadDataCmd = 5,
  WriteAddressCmd = 6,
  WriteDataCmd = 7,
  SystemReloadCmd = 8,
};

constexpr int kReportLength = 8;
constexpr uint8_t kReportId = 4;
constexpr int kStatusByte = 7;
constexpr uint8_t kStatusNotReady = 0x00;
constexpr uint8_t kStatusDone = 0xCC;

constexpr uint8_t kIdentityMarker = 0xAA;  // StatusQueryCmd reply byte 1
constexpr int kStatusFlagBit = 2;          // in StatusQueryCmd reply byte 2
constexpr uint32_t kServedModelCode = 0x99;
constexpr uint32_t kRequiredRelease = 0x0104;

constexpr int kMemorySize = 2048;
constexpr int kChunkBytes = 6;

// Where the memory holds the identity bytes: the vendor code, then the
// product code.
constexpr uint16_t kIdentityAddress = 0x036;
constexpr int kIdentityLength = 2;

// Model code from the raw model byte of a status reply; any other byte
// leaves the code as it was.
constexpr uint32_t ModelCodeOf(uint8_t rawModel, uint32_t previous) {
  switch (rawModel) {
    case 0x35: return 0x90;
    case 0x75: return 0x99;
    case 0xFD: return 0x98;
    default: return previous;
  }
}

// Pauses (ms) and counts of one exchange family.
struct ExchangeTiming {
  int pauseBeforeSet;
  int pauseAfterSet;
  int pauseBeforePoll;
  int pauseAfterNotReady;
  int pollsPerAttempt;
  int attempts;
};

constexpr ExchangeTiming kCommandTiming{0, 10, 0, 10, 5, 5};
constexpr ExchangeTiming kReadDataTiming{0, 5, 0, 5, 5, 5};
constexpr ExchangeTiming kWriteDataTiming{0, 10, 0, 5, 5, 5};
constexpr ExchangeTiming kButtonPollTiming{5, 0, 5, 0, 10, 10};

constexpr int ChunkCount(int length) { return length / kChunkBytes + (length % kChunkBytes != 0 ? 1 : 0); }

}  // namespace veltrax
