#include "macro/MacroLibraryFile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "base/FileIo.h"
#include "common/TempFolder.h"
#include "base/TextTable.h"
#include "macro/MacroLibraryStore.h"

namespace veltrax {
namespace {

namespace fs = std::filesystem;

class MacroLibraryFileTest : public ::testing::Test {
 protected:
  test::TempFolder temp_{"veltrax-macro"};
  const fs::path folder_ = temp_.path();
};

TEST_F(MacroLibraryFileTest, FirstStartCreatesAnEmptyLibraryInItsFolder) {
  const fs::path own = folder_ / "data" / "veltrax";
  const fs::path file = MacroLibraryPath("", own);
  auto library = CheckPCMacro(file, own);
  ASSERT_TRUE(library) << library.error().context;
  EXPECT_EQ(library.value().Count(), 0);
  auto bytes = ReadWholeFile(file);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes.value(), std::vector<uint8_t>(kLibraryFileSize, 0));
}

TEST_F(MacroLibraryFileTest, AStoreKeptOpenReloadsWhatAnotherProgramSaved) {
  const fs::path file = folder_ / "lib.bin";
  MapTextTable texts;
  auto window = MacroLibraryStore::Open(file, folder_);
  auto other = MacroLibraryStore::Open(file, folder_);
  ASSERT_TRUE(window && other);
  ASSERT_TRUE(other.value().ApplyMacroName(PendingName::NewMacro, -1, "Theirs", texts).message.empty());

  const LibraryOutcome late = window.value().ApplyMacroName(PendingName::NewMacro, -1, "Mine", texts);
  EXPECT_NE(late.message.find("changed on disk and was reloaded"), std::string::npos) << late.message;
  EXPECT_EQ(late.line, -1);
  EXPECT_EQ(window.value().Library().Names(), std::vector<std::string>{"Theirs"});
  EXPECT_EQ(CheckPCMacro(file, folder_).value().Names(), std::vector<std::string>{"Theirs"});

  // Once reloaded, the next change is saved over the other program's.
  EXPECT_TRUE(window.value().ApplyMacroName(PendingName::NewMacro, -1, "Mine", texts).message.empty());
  EXPECT_EQ(CheckPCMacro(file, folder_).value().Names(), (std::vector<std::string>{"Theirs", "Mine"}));
}

TEST_F(MacroLibraryFileTest, TheLibraryIsReadBackAsSaved) {
  const fs::path file = folder_ / kMacroLibraryFileName;
  MacroLibrary library;
  ASSERT_EQ(library.AddNew("Keep"), LibraryRefusal::None);
  ASSERT_TRUE(RefreshPCMacro(library, file));
  auto loaded = CheckPCMacro(file, folder_);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded.value().ToBytes(), library.ToBytes());
}

TEST(MacroLibraryPathTest, APathOptionHasTheNameAppendedDirectly) {
  EXPECT_EQ(MacroLibraryPath("D:\\Macros\\", "/home/u/.local/share/veltrax").string(),
            "D:\\Macros\\VELTRAX-Macro.bin");
  EXPECT_EQ(MacroLibraryPath("/srv/macros", "/x").string(), "/srv/macrosVELTRAX-Macro.bin");
  EXPECT_EQ(MacroLibraryPath("", "/home/u/.local/share/veltrax").string(),
            "/home/u/.local/share/veltrax/VELTRAX-Macro.bin");
  EXPECT_EQ(DefaultMacroFolder("/xdg", "/home/u").string(), "/xdg/veltrax");
  EXPECT_EQ(DefaultMacroFolder("", "/home/u").string(), "/home/u/.local/share/veltrax");
  EXPECT_EQ(DefaultMacroFolder(nullptr, "/home/u").string(), "/home/u/.local/share/veltrax");
}

// Saves in a child process whose file size limit stops the write halfway:
// with the default action the child dies mid-write, ignoring the signal the
// write fails and must be reported.
int SaveWithSizeLimit(const MacroLibrary& library, const fs::path& file, bool dieMidWrite) {
  pid_t pid = ::fork();
  if (pid == 0) {
    rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    rlimit limit{kLibraryFileSize / 2, kLibraryFileSize / 2};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    if (!dieMidWrite) ::signal(SIGXFSZ, SIG_IGN);
    Status saved = RefreshPCMacro(library, file);
    ::_exit(saved ? 0 : 3);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return status;
}

TEST_F(MacroLibraryFileTest, ACrashMidWriteLeavesTheOldLibraryWhole) {
  const fs::path file = folder_ / kMacroLibraryFileName;
  MacroLibrary old;
  ASSERT_EQ(old.AddNew("Old"), LibraryRefusal::None);
  ASSERT_TRUE(RefreshPCMacro(old, file));
  MacroLibrary changed = old;
  for (int i = 0; i < 50; ++i) ASSERT_EQ(changed.AddNew("N" + std::to_string(i)), LibraryRefusal::None);
  for (int i = 0; i < 50; ++i) changed.Record(i).content.fill(0x77);

  const int crashed = SaveWithSizeLimit(changed, file, true);
  ASSERT_TRUE(WIFSIGNALED(crashed));
  EXPECT_EQ(WTERMSIG(crashed), SIGXFSZ);
  auto loaded = CheckPCMacro(file, folder_);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded.value().ToBytes(), old.ToBytes());

  const int failed = SaveWithSizeLimit(changed, file, false);
  ASSERT_TRUE(WIFEXITED(failed));
  EXPECT_EQ(WEXITSTATUS(failed), 3);  // reported, not silent
  EXPECT_EQ(CheckPCMacro(file, folder_).value().ToBytes(), old.ToBytes());
}

TEST_F(MacroLibraryFileTest, AFolderThatCannotBeMadeIsAnError) {
  const fs::path blocker = folder_ / "plain-file";
  ASSERT_TRUE(WriteFileAtomically(blocker, std::vector<uint8_t>{1}));
  auto library = CheckPCMacro(blocker / "sub" / kMacroLibraryFileName, blocker / "sub");
  ASSERT_FALSE(library);
}

TEST_F(MacroLibraryFileTest, OnlyTheOwnDataFolderIsMadeForALibrary) {
  const fs::path elsewhere = folder_ / "typo" / kMacroLibraryFileName;
  auto library = CheckPCMacro(elsewhere, folder_ / "data" / "veltrax");
  ASSERT_FALSE(library);
  EXPECT_NE(library.error().context.find("does not exist"), std::string::npos) << library.error().context;
  EXPECT_FALSE(fs::exists(folder_ / "typo"));
}

// Another file named as the library is never rewritten as one; an empty
// file becomes the empty library.
TEST_F(MacroLibraryFileTest, AFileOfAnotherSizeIsRefusedAndKept) {
  const fs::path file = folder_ / kMacroLibraryFileName;
  const std::vector<uint8_t> profile(2048, 0x99);
  ASSERT_TRUE(WriteFileAtomically(file, profile));
  auto refused = CheckPCMacro(file, folder_);
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.error().context.find("as a profile does"), std::string::npos) << refused.error().context;
  EXPECT_EQ(ReadWholeFile(file).value(), profile);

  ASSERT_TRUE(WriteFileAtomically(file, std::vector<uint8_t>{}));
  ASSERT_TRUE(CheckPCMacro(file, folder_));
  EXPECT_EQ(ReadWholeFile(file).value().size(), size_t(kLibraryFileSize));
}

}  // namespace
}  // namespace veltrax
