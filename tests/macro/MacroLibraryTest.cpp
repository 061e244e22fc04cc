#include "macro/MacroLibrary.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "macro/MacroName.h"

namespace veltrax {
namespace {

using ::testing::ElementsAre;

MacroLibrary LibraryOf(std::initializer_list<const char*> names) {
  MacroLibrary library;
  for (const char* name : names) EXPECT_EQ(library.AddNew(name), LibraryRefusal::None);
  return library;
}

TEST(MacroLibraryTest, NewMacrosAppendEmptyRecordsAndRefuseListedNames) {
  MacroLibrary library = LibraryOf({"One", "Two"});
  int index = -1;
  EXPECT_EQ(library.AddNew("Three", &index), LibraryRefusal::None);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(library.Record(2).content, MacroContent{});
  EXPECT_EQ(library.AddNew("Two"), LibraryRefusal::DuplicateName);
  EXPECT_EQ(library.AddNew("two"), LibraryRefusal::None);  // case counts
  EXPECT_EQ(library.AddNew("ABCDEFGHIJKLMNOPQ"), LibraryRefusal::BadName);
  EXPECT_THAT(library.Names(), ElementsAre("One", "Two", "Three", "two"));
}

TEST(MacroLibraryTest, RenamingKeepsTheContentAndRefusesItsOwnName) {
  MacroLibrary library = LibraryOf({"One", "Two"});
  library.Record(1).content[1] = 9;
  EXPECT_EQ(library.Rename(1, "Two"), LibraryRefusal::DuplicateName);
  EXPECT_EQ(library.Rename(1, "One"), LibraryRefusal::DuplicateName);
  EXPECT_EQ(library.Rename(1, "Zwei"), LibraryRefusal::None);
  EXPECT_THAT(library.Names(), ElementsAre("One", "Zwei"));
  EXPECT_EQ(library.Record(1).content[1], 9);
  EXPECT_EQ(library.Rename(2, "Drei"), LibraryRefusal::NoSuchRecord);
}

TEST(MacroLibraryTest, AHundredMacrosFillTheLibrary) {
  MacroLibrary library;
  for (int i = 0; i < kLibraryRecords; ++i) ASSERT_EQ(library.AddNew("M" + std::to_string(i)), LibraryRefusal::None);
  EXPECT_FALSE(library.CanAddNew());
  EXPECT_EQ(library.AddNew("More"), LibraryRefusal::Full);
}

TEST(MacroLibraryTest, DeletingMovesTheLaterRecordsDown) {
  MacroLibrary library = LibraryOf({"A", "B", "C"});
  library.Record(2).content[1] = 7;
  EXPECT_EQ(library.Delete(0), LibraryRefusal::None);
  EXPECT_THAT(library.Names(), ElementsAre("B", "C"));
  EXPECT_EQ(library.Record(1).content[1], 7);
  EXPECT_EQ(library.Record(2), MacroRecord{});
  EXPECT_EQ(NextSelectionAfterDelete(0, 2), 0);
  EXPECT_EQ(NextSelectionAfterDelete(2, 2), 1);
  EXPECT_EQ(NextSelectionAfterDelete(0, 0), -1);
}

TEST(MacroLibraryTest, ExportedMacrosImportAsTheLastLineUnlessTheirNameIsListed) {
  MacroLibrary source = LibraryOf({"abc"});
  source.Record(0).content[1] = 3;
  const auto file = source.ExportOne(0);
  ASSERT_EQ(file.size(), 256u);

  MacroLibrary target = LibraryOf({"x", "y"});
  int index = -1;
  EXPECT_EQ(target.ImportOne(file, &index), LibraryRefusal::None);
  EXPECT_EQ(index, 2);
  EXPECT_EQ(target.Record(2), source.Record(0));
  const MacroLibrary before = target;
  EXPECT_EQ(target.ImportOne(file), LibraryRefusal::DuplicateName);
  EXPECT_EQ(target.ToBytes(), before.ToBytes());
}

TEST(MacroLibraryTest, ImportOneNeverFillsTheLastRecord) {
  MacroLibrary library;
  for (int i = 0; i < kLibraryRecords - 1; ++i) ASSERT_EQ(library.AddNew("M" + std::to_string(i)), LibraryRefusal::None);
  EXPECT_EQ(library.ImportOne(LibraryOf({"new"}).ExportOne(0)), LibraryRefusal::Full);
}

TEST(MacroLibraryTest, ImportOneRefusesNamelessRecordsAndNamesThatWouldListTwice) {
  MacroLibrary library = LibraryOf({"abc"});
  EXPECT_EQ(library.ImportOne(std::vector<uint8_t>(256, 0)), LibraryRefusal::Unnamed);
  auto file = LibraryOf({"abc"}).ExportOne(0);
  file[20] = 0x41;  // after the name's end: another name field, the same name shown
  EXPECT_EQ(library.ImportOne(file), LibraryRefusal::DuplicateName);
  EXPECT_EQ(library.Count(), 1);
}

TEST(MacroLibraryTest, ShortOrGappedLibrariesCloseUpFromRecordZero) {
  MacroLibrary old = LibraryOf({"a", "b", "c", "d"});
  // A file of two records whose second is empty replaces records 0 and 1 only.
  std::vector<uint8_t> file(2 * kMacroRecordSize);
  auto one = LibraryOf({"new"}).ExportOne(0);
  std::copy(one.begin(), one.end(), file.begin());
  old.ImportAll(file);
  EXPECT_THAT(old.Names(), ElementsAre("new", "c", "d"));
  EXPECT_EQ(old.Count(), 3);
  EXPECT_EQ(old.Record(3), MacroRecord{});

  std::vector<uint8_t> gapped = LibraryOf({"p", "q", "r"}).ToBytes();
  std::fill_n(gapped.begin() + kMacroRecordSize, kMacroRecordSize, 0);
  EXPECT_THAT(MacroLibrary::FromBytes(gapped).Names(), ElementsAre("p", "r"));
}

// A file that ends inside a record: at start-up and in Import All that
// record is cleared, never made of the file's start and the old rest.
TEST(MacroLibraryTest, ARecordTheFileCutsIsCleared) {
  MacroLibrary cut = LibraryOf({"new", "cut"});
  cut.Record(1).content[0] = 1;
  cut.Record(1).content[1] = 3;
  const std::vector<uint8_t> bytes = cut.ToBytes();
  for (size_t length : {size_t{10}, size_t{256 + 10}, size_t{256 + 40}, size_t{2 * 256 - 1}}) {
    const std::vector<uint8_t> file(bytes.begin(), bytes.begin() + length);
    MacroLibrary old = LibraryOf({"a", "b", "c", "d"});
    old.Record(1).content.fill(0x77);
    old.ImportAll(file);
    if (length < 256) {
      EXPECT_THAT(old.Names(), ElementsAre("b", "c", "d")) << length;
    } else {
      EXPECT_THAT(old.Names(), ElementsAre("new", "c", "d")) << length;
    }
    EXPECT_EQ(MacroLibrary::FromBytes(file).Count(), length < 256 ? 0 : 1) << length;
  }
}

}  // namespace
}  // namespace veltrax
