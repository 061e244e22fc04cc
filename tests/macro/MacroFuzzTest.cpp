// Outside files can hold anything: every parser gives a value, never a
// crash or a read past its input (the suite also runs under ASan).

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "macro/BaseMacroTable.h"
#include "macro/MacroCodec.h"
#include "macro/MacroFileKinds.h"
#include "macro/MacroLibrary.h"
#include "macro/MacroName.h"

namespace veltrax {
namespace {

constexpr uint8_t kCodes[] = {0x81, 0x01, 0x82, 0x02, 0xA1, 0x21, 0xB0, 0x30, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0x00, 0x99};

std::vector<uint8_t> RandomBytes(std::mt19937& rng, size_t size, bool eventLike) {
  std::vector<uint8_t> bytes(size);
  for (auto& b : bytes) {
    b = eventLike && rng() % 2 ? kCodes[rng() % std::size(kCodes)] : static_cast<uint8_t>(rng());
  }
  return bytes;
}

TEST(MacroFuzzTest, AnyContentDecodesAndItsRowsEncodeOrAreRefused) {
  std::mt19937 rng(20261210);
  for (int i = 0; i < 3000; ++i) {
    const auto bytes = RandomBytes(rng, kMacroContentSize, true);
    MacroContent content;
    std::copy(bytes.begin(), bytes.end(), content.begin());
    DecodedMacro decoded = DecodeMacroContent(content);
    ASSERT_LE(decoded.rows.rows.size(), static_cast<size_t>(kMacroContentSize));
    for (const auto& row : decoded.rows.rows) (void)ShownText(row);
    if (auto again = EncodeMacroRows(decoded.rows, 0); again && (*again)[1] != 0) {
      EXPECT_TRUE(IsValidMacroContent(*again));
    }
  }
}

TEST(MacroFuzzTest, AnyLibraryFileGivesAnUnbrokenRunOfRecords) {
  std::mt19937 rng(7);
  for (int i = 0; i < 200; ++i) {
    const auto bytes = RandomBytes(rng, rng() % (kLibraryFileSize + 600), false);
    MacroLibrary library = MacroLibrary::FromBytes(bytes);
    const int count = library.Count();
    ASSERT_EQ(library.Names().size(), static_cast<size_t>(count));
    for (int r = count; r < kLibraryRecords; ++r) ASSERT_EQ(library.Record(r), MacroRecord{});
    (void)library.ImportOne(RandomBytes(rng, rng() % 300, false));
    ASSERT_LE(library.Count(), kLibraryRecords);
  }
}

TEST(MacroFuzzTest, AnyMacroAreaReadsAsSevenSlots) {
  std::mt19937 rng(11);
  for (int i = 0; i < 200; ++i) {
    const auto bytes = RandomBytes(rng, kMacroAreaBytes, i % 2 == 0);
    BaseMacroTable table = ReadAndRefreshMacro(MacroAreaBytes(bytes.data(), kMacroAreaBytes));
    for (const auto& slot : table.records) {
      ASSERT_TRUE(slot.content == MacroContent{} || IsValidMacroContent(slot.content));
      (void)MacroNameText(slot.name);
    }
  }
}

// The kind checks take any bytes; what they accept has a name to list.
TEST(MacroFuzzTest, AnyFileIsOfItsKindOrSaysWhyNot) {
  std::mt19937 rng(5);
  const size_t sizes[] = {0, 1, 255, kMacroRecordSize, 257, kMacroAreaBytes, 2048, kLibraryFileSize};
  for (int i = 0; i < 600; ++i) {
    auto bytes = RandomBytes(rng, sizes[i % std::size(sizes)], i % 3 == 0);
    // Names that end early, as real ones do, reach the checks past the name.
    for (size_t at = 0; at < bytes.size(); at += kMacroRecordSize) {
      std::fill(bytes.begin() + at + std::min<size_t>(bytes.size() - at, 2 + rng() % 30),
                bytes.begin() + at + std::min<size_t>(bytes.size() - at, kMacroNameSize), 0);
    }
    for (auto check : {CheckMacroFile, CheckLibraryFile, CheckMacroAreaFile}) {
      const Status kind = check(bytes);
      if (!kind) {
        ASSERT_FALSE(kind.error().context.empty());
      }
    }
    if (CheckMacroFile(bytes)) {
      ASSERT_FALSE(MacroNameText(MacroRecord::FromBytes(bytes).name).empty());
    }
  }
}

}  // namespace
}  // namespace veltrax
