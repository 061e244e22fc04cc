#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "common/CliRun.h"
#include "common/NamedCase.h"
#include "base/FileIo.h"
#include "image/DefaultImages.h"
#include "image/SectionChecks.h"
#include "macro/MacroCodec.h"
#include "macro/MacroLibraryFile.h"
#include "macro/MacroName.h"
#include "common/TempFolder.h"

namespace veltrax {
namespace {

namespace fs = std::filesystem;
using test::RunCtl;
using ::testing::HasSubstr;

class MacroCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library = (folder / "lib.bin").string();
  }

  test::CliRun Macro(const std::string& args) { return RunCtl("macro --library " + library + " " + args); }
  MacroLibrary Library() { return CheckPCMacro(library, folder.path()).value(); }
  // A library with one macro of every row kind, in stop mode.
  void StoreBurst() {
    MacroLibrary lib;
    ASSERT_EQ(lib.AddNew("Burst"), LibraryRefusal::None);
    const std::vector<std::string> rows = {KeyRow(true, "A", 0x04), DelayRow(50), XRow(-12),
                                           RepeatStartRow(10),      RepeatEndRow(), ButtonRow(true, MouseButton::Left)};
    lib.Record(0).content = EncodeMacroRows({"10", rows}, kReleaseForStop).value();
    ASSERT_TRUE(RefreshPCMacro(lib, library));
  }
  std::string Path(const char* name) const { return (folder / name).string(); }

  test::TempFolder folder{"veltraxctl-macro"};
  std::string library;
};

TEST_F(MacroCommandsTest, ShowListsTheRowsAsTheEditorShowsThem) {
  StoreBurst();
  auto run = Macro("show 0");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out, "A\n48 ms\nX-Axis  -12\nRep-Start  10\nRep-Stop\nLeftKey\n");
  EXPECT_EQ(Macro("list").out, "0  Burst\n");
  auto missing = Macro("show 1");
  EXPECT_EQ(missing.status, 1);
  EXPECT_THAT(missing.out, HasSubstr("there is no macro 1"));
}

TEST_F(MacroCommandsTest, InsertAndEditChangeRowsAsThePanelAndTheDialogsDo) {
  StoreBurst();
  // Each command works on the rows as `macro show` lists them afresh.
  const std::pair<const char*, const char*> steps[] = {
      {"insert 0 0 delay-front 300", "row 0  300 ms\n"},  // stored as 296 ms
      {"insert 0 3 x-front -5", "row 3  X-Axis  -5\n"},
      {"insert 0 0 repeat-start", "row 0  Rep-Start  10\n"},
      {"insert 0 7 repeat-end", "row 8  Rep-Stop\n"},
      {"edit 0 2 F4", "row 2  F4\n"},
      {"edit 0 1 2040", "row 1  2040 ms\n"},
      {"edit 0 0 3", "row 0  Rep-Start  3\n"},
  };
  for (const auto& [args, said] : steps) {
    auto run = Macro(args);
    EXPECT_EQ(run.status, 0) << args << ": " << run.out;
    EXPECT_EQ(run.out, said) << args;
  }
  EXPECT_EQ(Macro("show 0").out,
            "Rep-Start  3\n2040 ms\nF4\n48 ms\nX-Axis  -5\nX-Axis  -12\nRep-Start  10\nRep-Stop\nRep-Stop\nLeftKey\n");
}

// Values that cannot be stored are refused with the reason, and nothing changes.
TEST_F(MacroCommandsTest, RowChangesThatCannotBeStoredSayWhy) {
  StoreBurst();  // A, 48 ms, X -12, Rep-Start 10, Rep-Stop, LeftKey
  const auto before = ReadWholeFile(library).value();
  const struct {
    const char* args;
    int status;
    const char* says;
  } cases[] = {
      {"insert 0 0 repeat-start 0", 2, "A repeat count of 0 cannot be stored"},
      {"insert 0 0 x-back -", 2, "\"-\" alone is no number"},
      {"insert 0 0 y-front 128", 2, "-128 to 127"},
      {"insert 0 0 delay-front 2041", 2, "0 to 2040"},
      {"edit 0 2 -", 2, "\"-\" alone is no number"},
      {"edit 0 3 0", 2, "A repeat count of 0 cannot be stored"},
      {"edit 0 0 Teleport", 2, "no key is named"},
      {"edit 0 4 5", 1, "nothing to edit"},
      {"insert 0 6 delay-back 8", 1, "has no row 6"},
      {"insert 0 0 sideways 1", 2, "insert one of delay-front"},
  };
  for (const auto& c : cases) {
    auto run = Macro(c.args);
    EXPECT_EQ(run.status, c.status) << c.args << ": " << run.out;
    EXPECT_THAT(run.out, HasSubstr(c.says)) << c.args;
  }
  EXPECT_EQ(ReadWholeFile(library).value(), before);
}

TEST_F(MacroCommandsTest, NewRenameAndDeleteKeepNamesUnique) {
  EXPECT_EQ(Macro("new One").status, 0);
  EXPECT_EQ(Macro("new Two").status, 0);
  auto duplicate = Macro("new One");
  EXPECT_EQ(duplicate.status, 1);
  EXPECT_THAT(duplicate.out, HasSubstr("This macro already exists"));
  EXPECT_EQ(Macro("rename 1 One").status, 1);
  EXPECT_EQ(Macro("rename 1 Zwei").status, 0);
  EXPECT_EQ(Macro("delete 0").status, 0);
  EXPECT_EQ(Macro("list").out, "0  Zwei\n");
  EXPECT_EQ(Macro("new ABCDEFGHIJKLMNOPQ").status, 1);
}

TEST_F(MacroCommandsTest, AFullLibraryRefusesANewMacro) {
  MacroLibrary lib;
  for (int i = 0; i < kLibraryRecords; ++i) ASSERT_EQ(lib.AddNew("M" + std::to_string(i)), LibraryRefusal::None);
  ASSERT_TRUE(RefreshPCMacro(lib, library));
  auto run = Macro("new More");
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.out, HasSubstr("100 macros"));
}

TEST_F(MacroCommandsTest, ExportedMacrosImportIntoAnotherLibrary) {
  StoreBurst();
  auto exported = Macro("export 0 " + Path("burst"));
  ASSERT_EQ(exported.status, 0) << exported.out;
  EXPECT_EQ(ReadWholeFile(Path("burst.bin")).value().size(), 256u);
  EXPECT_EQ(Macro("export-all " + Path("all.bin")).status, 0);
  EXPECT_EQ(ReadWholeFile(Path("all.bin")).value().size(), 25600u);
  ASSERT_EQ(Macro("export 0 " + Path("upper.BIN")).status, 0);  // the extension in another case is kept
  EXPECT_TRUE(fs::exists(Path("upper.BIN")));
  EXPECT_FALSE(fs::exists(Path("upper.BIN.bin")));

  auto again = Macro("import " + Path("burst.bin"));
  EXPECT_EQ(again.status, 1);
  EXPECT_THAT(again.out, HasSubstr("This macro already exists"));
  const std::string other = Path("other.bin");
  ASSERT_EQ(RunCtl("macro --library " + other + " new First").status, 0);
  ASSERT_EQ(RunCtl("macro --library " + other + " import " + Path("burst.bin")).status, 0);
  EXPECT_EQ(RunCtl("macro --library " + other + " list").out, "0  First\n1  Burst\n");
  ASSERT_EQ(RunCtl("macro --library " + other + " import-all " + Path("all.bin")).status, 0);
  EXPECT_EQ(RunCtl("macro --library " + other + " list").out, "0  Burst\n");
}

TEST_F(MacroCommandsTest, BindCopiesTheMacroIntoASlotOfTheProfileFile) {
  StoreBurst();
  const std::string profile = Path("profile.bin");
  ASSERT_TRUE(WriteFileAtomically(profile, DefaultImage(1)));
  auto run = Macro("bind " + profile + " A 2 0");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_THAT(run.out, HasSubstr("Burst"));
  auto image = ReadWholeFile(profile).value();
  EXPECT_EQ(image[0x043], 0x0E);
  EXPECT_EQ(image[0x044], 0x01);
  EXPECT_EQ(image[0x045], 0x21);
  EXPECT_TRUE(ChecksumValid(std::span(image).subspan(0x040, 55)));
  const MacroLibrary lib = Library();
  EXPECT_EQ(MacroRecord::FromBytes(std::span(image).subspan(0x100, 256)), lib.Record(0));

  const auto before = image;
  auto refused = Macro("bind " + profile + " A 1 0");  // the only Left Key of Mode A
  EXPECT_EQ(refused.status, 1);
  EXPECT_THAT(refused.out, HasSubstr("Please keep a Left Key"));
  EXPECT_EQ(ReadWholeFile(profile).value(), before);
}

TEST_F(MacroCommandsTest, AreaWritesTheSevenSlotsToTheMouse) {
  std::vector<uint8_t> area(1792, 0);
  MacroRecord record;
  record.name = MacroNameStrToUnicode("Slot one").value();
  record.WriteTo(std::span(area).first<256>());
  ASSERT_TRUE(WriteFileAtomically(Path("area.bin"), area));
  const std::string state = Path("mouse.bin");
  auto run = RunCtl("--simulate=" + state + " macro area " + Path("area.bin"));
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_THAT(run.out, HasSubstr("slot 1  Slot one"));
  auto memory = ReadWholeFile(state).value();
  EXPECT_TRUE(std::equal(area.begin(), area.end(), memory.begin() + 0x100));

  ASSERT_TRUE(WriteFileAtomically(Path("short.bin"), std::vector<uint8_t>(100)));
  auto shortRun = RunCtl("--simulate=" + state + " macro area " + Path("short.bin"));
  EXPECT_EQ(shortRun.status, 1);
  EXPECT_THAT(shortRun.out, HasSubstr("1792"));
}

// A profile given where a macro file is meant is refused and stays whole;
// so does the mouse.
struct WrongKindCase : test::NamedCase {  // the name is the command; PROFILE stands for the profile file
  const char* message;
};

class WrongKindTest : public MacroCommandsTest, public ::testing::WithParamInterface<WrongKindCase> {};

TEST_P(WrongKindTest, AProfileIsNeitherReadNorRewrittenAsAMacroFile) {
  StoreBurst();
  const std::string profile = Path("profile.bin");
  ASSERT_TRUE(WriteFileAtomically(profile, DefaultImage(1)));
  std::string command(GetParam().name);
  command.replace(command.find("PROFILE"), 7, profile);
  const std::string state = Path("mouse.bin");
  ASSERT_TRUE(WriteFileAtomically(state, DefaultImage(1)));
  auto run = RunCtl("--simulate=" + state + " macro --library " + library + " " + command);
  EXPECT_EQ(run.status, 1) << run.out;
  EXPECT_THAT(run.out, HasSubstr(GetParam().message));
  EXPECT_THAT(run.out, HasSubstr(profile));
  const std::vector<uint8_t> factory(DefaultImage(1).begin(), DefaultImage(1).end());
  EXPECT_EQ(ReadWholeFile(profile).value(), factory);
  EXPECT_EQ(Macro("list").out, "0  Burst\n");
  EXPECT_EQ(ReadWholeFile(state).value(), factory);  // nothing reached the mouse
}

INSTANTIATE_TEST_SUITE_P(
    Commands, WrongKindTest,
    ::testing::Values(WrongKindCase{"import PROFILE", "not a macro file: it holds 2048 bytes, as a profile does"},
                      WrongKindCase{"import-all PROFILE", "not a macro library: it holds 2048 bytes, as a profile does"},
                      WrongKindCase{"area PROFILE", "not a macro area file: it holds 2048 bytes, as a profile does"},
                      WrongKindCase{"export 0 PROFILE", "exists and is not a macro file"},
                      WrongKindCase{"export-all PROFILE", "exists and is not a macro library"}),
    test::CaseName());

TEST_F(MacroCommandsTest, AProfileIsNeverRewrittenAsALibrary) {
  const std::string profile = Path("profile.bin");
  ASSERT_TRUE(WriteFileAtomically(profile, DefaultImage(1)));
  auto run = RunCtl("macro --library " + profile + " new Foo");
  EXPECT_EQ(run.status, 1);
  EXPECT_THAT(run.out, HasSubstr(profile + ": not a macro library: it holds 2048 bytes, as a profile does"));
  EXPECT_EQ(ReadWholeFile(profile).value(), std::vector<uint8_t>(DefaultImage(1).begin(), DefaultImage(1).end()));
}

// Only the program's own data folder is made; a typo in a path is reported.
TEST_F(MacroCommandsTest, MissingFoldersAreErrorsExceptTheOwnDataFolder) {
  auto library = RunCtl("macro --library " + Path("typo/lib.bin") + " list");
  EXPECT_EQ(library.status, 1);
  EXPECT_THAT(library.out, HasSubstr("the folder " + Path("typo") + " does not exist"));
  StoreBurst();
  auto exported = Macro("export 0 " + Path("nowhere/burst"));
  EXPECT_EQ(exported.status, 1);
  EXPECT_THAT(exported.out, HasSubstr(Path("nowhere")));
  EXPECT_FALSE(fs::exists(Path("typo")));
  EXPECT_FALSE(fs::exists(Path("nowhere")));

  auto own = RunCtl("macro list", {{"XDG_DATA_HOME", Path("xdg")}});
  EXPECT_EQ(own.status, 0) << own.out;
  EXPECT_EQ(fs::file_size(Path("xdg/veltrax/VELTRAX-Macro.bin")), 25600u);
}

TEST_F(MacroCommandsTest, ChangesOfProgramsRunningTogetherAreAllKept) {
  auto loop = [&](const char* prefix) {
    return std::string("for i in $(seq 1 20); do ") + VELTRAXCTL + " macro --library " + library + " new " + prefix +
           "$i >/dev/null || echo failed; done";
  };
  const std::string both = "(" + loop("A") + ") & (" + loop("B") + ") & wait";
  FILE* pipe = ::popen(both.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string said;
  for (int c; (c = std::fgetc(pipe)) != EOF;) said.push_back(static_cast<char>(c));
  ::pclose(pipe);
  EXPECT_EQ(said, "");
  EXPECT_EQ(Library().Count(), 40);
}

}  // namespace
}  // namespace veltrax
