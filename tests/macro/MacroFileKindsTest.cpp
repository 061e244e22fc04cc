#include "macro/MacroFileKinds.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "common/NamedCase.h"
#include "image/DefaultImages.h"
#include "macro/BaseMacroTable.h"
#include "macro/MacroCodec.h"
#include "macro/MacroLibrary.h"
#include "macro/MacroName.h"

namespace veltrax {
namespace {

using Bytes = std::vector<uint8_t>;

MacroRecord Named(const char* name, std::vector<std::string> rows = {DelayRow(20)}) {
  MacroRecord record;
  record.name = MacroNameStrToUnicode(name).value();
  record.content = EncodeMacroRows({"10", rows}, kReleaseForStop).value();
  return record;
}

Bytes RecordBytes(const MacroRecord& record) {
  Bytes bytes(kMacroRecordSize);
  record.WriteTo(std::span(bytes).first<kMacroRecordSize>());
  return bytes;
}

Bytes WithRecord(Bytes bytes, int index, const MacroRecord& record) {
  record.WriteTo(std::span(bytes).subspan(index * kMacroRecordSize).first<kMacroRecordSize>());
  return bytes;
}

MacroRecord Damaged(MacroRecord record) {
  record.content[2] ^= 0x40;  // an event byte no longer matches the checksum
  return record;
}

MacroRecord NameWithTail() {
  MacroRecord record = Named("Ab");
  record.name[10] = 0x41;  // bytes after the name's end
  return record;
}

Bytes DefaultArea() {
  const DeviceImage& image = DefaultImage(1);
  return Bytes(image.begin() + 0x100, image.end());
}

struct KindCase : test::NamedCase {
  std::function<Status(std::span<const uint8_t>)> check;
  Bytes bytes;
  const char* refusal;  // nullptr: accepted
};

class MacroFileKindsTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(MacroFileKindsTest, TakesItsOwnKindAndSaysWhyNotOtherwise) {
  const Status result = GetParam().check(GetParam().bytes);
  if (GetParam().refusal == nullptr) {
    EXPECT_TRUE(result) << result.error().context;
    return;
  }
  ASSERT_FALSE(result);
  EXPECT_EQ(result.error().kind, ErrorKind::BadFormat);
  EXPECT_EQ(result.error().context, GetParam().refusal);
}

const Bytes kLibrary(kLibraryFileSize, 0);

INSTANTIATE_TEST_SUITE_P(
    Kinds, MacroFileKindsTest,
    ::testing::Values(
        KindCase{"macro", CheckMacroFile, RecordBytes(Named("Burst")), nullptr},
        KindCase{"new empty macro", CheckMacroFile, RecordBytes(Named("New", {})), nullptr},
        KindCase{"profile as macro", CheckMacroFile, Bytes(2048, 0),
                 "not a macro file: it holds 2048 bytes, as a profile does; a macro file holds 256"},
        KindCase{"library as macro", CheckMacroFile, kLibrary,
                 "not a macro file: it holds 25600 bytes, as a macro library does; a macro file holds 256"},
        KindCase{"odd size", CheckMacroFile, Bytes(300, 0), "not a macro file: it holds 300 bytes; a macro file holds 256"},
        KindCase{"nameless", CheckMacroFile, Bytes(256, 0), "not a macro file: it holds no macro name"},
        KindCase{"name with tail", CheckMacroFile, RecordBytes(NameWithTail()), "not a macro file: it holds no macro name"},
        KindCase{"damaged", CheckMacroFile, RecordBytes(Damaged(Named("Burst"))),
                 "not a macro file: it holds events that fail their checksum"},
        KindCase{"empty library", CheckLibraryFile, kLibrary, nullptr},
        KindCase{"library", CheckLibraryFile, WithRecord(kLibrary, 0, Named("One")), nullptr},
        KindCase{"profile as library", CheckLibraryFile, Bytes(2048, 0),
                 "not a macro library: it holds 2048 bytes, as a profile does; a macro library holds 25600"},
        KindCase{"damaged record", CheckLibraryFile, WithRecord(kLibrary, 3, Damaged(Named("Three"))),
                 "not a macro library: record 3 holds events that fail their checksum"},
        KindCase{"factory area", CheckMacroAreaFile, DefaultArea(), nullptr},
        KindCase{"erased area", CheckMacroAreaFile, Bytes(kMacroAreaBytes, 0xFF), nullptr},
        KindCase{"area with a macro", CheckMacroAreaFile, WithRecord(Bytes(kMacroAreaBytes, 0), 6, Named("Seven")), nullptr},
        KindCase{"profile as area", CheckMacroAreaFile, Bytes(2048, 0xFF),
                 "not a macro area file: it holds 2048 bytes, as a profile does; a macro area file holds 1792"},
        KindCase{"garbage slot", CheckMacroAreaFile, WithRecord(Bytes(kMacroAreaBytes, 0), 2, NameWithTail()),
                 "not a macro area file: slot 3 holds no macro name"}),
    test::CaseName());

TEST(LibrarySizeTest, OnlyEmptyOrWholeLibrariesMayBeRewritten) {
  EXPECT_TRUE(CheckLibrarySize(0));
  EXPECT_TRUE(CheckLibrarySize(kLibraryFileSize));
  for (size_t size : {1, 256, 2048, 25599, 25601}) EXPECT_FALSE(CheckLibrarySize(size)) << size;
}

}  // namespace
}  // namespace veltrax
