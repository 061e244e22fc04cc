#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <vector>

#include "base/FileIo.h"
#include "common/TempFolder.h"

namespace veltrax {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
 protected:
  test::TempFolder folder{"veltrax-fileio"};
};

TEST_F(FileIoTest, AtomicWriteReplacesTheFileAndLeavesNothingElse) {
  const fs::path target = folder / "library.bin";
  const std::vector<uint8_t> first(100, 1), second{7, 8, 9};
  ASSERT_TRUE(WriteFileAtomically(target, first));
  ASSERT_TRUE(WriteFileAtomically(target, second));
  EXPECT_EQ(ReadWholeFile(target).value(), second);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, FailuresKeepTheirCause) {
  const std::vector<uint8_t> bytes{1};
  Status write = WriteFileAtomically(folder / "missing" / "x.bin", bytes);
  ASSERT_FALSE(write);
  EXPECT_EQ(write.error().kind, ErrorKind::NotFound);
  EXPECT_NE(write.error().context.find("missing"), std::string::npos);

  auto read = ReadWholeFile(folder / "absent.bin");
  ASSERT_FALSE(read);
  EXPECT_EQ(read.error().kind, ErrorKind::NotFound);
}

TEST_F(FileIoTest, TargetThatCannotBeReplacedStaysAsItWas) {
  const fs::path target = folder / "profile.bin";
  fs::create_directory(target);  // a folder in the way: rename fails
  const std::vector<uint8_t> bytes{1, 2};
  EXPECT_FALSE(WriteFileAtomically(target, bytes));
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, OnlyRegularFilesWithinTheLimitAreRead) {
  ::alarm(10);  // a FIFO that blocked the read would otherwise hang the test
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", folder / "zero-link");
  ASSERT_TRUE(WriteFileAtomically(folder / "eleven", std::vector<uint8_t>(11, 5)));
  struct Case {
    fs::path path;
    std::size_t limit;
    const char* why;
  };
  const Case refused[] = {
      {"/dev/zero", 2048, "is not a regular file"},
      {folder / "zero-link", 2048, "is not a regular file"},
      {folder / "fifo", 2048, "is not a regular file"},
      {folder.path(), 2048, "is not a regular file"},
      {folder / "eleven", 10, "is larger than 10 bytes"},
      {"/proc/self/status", 16, "is larger than 16 bytes"},  // its size is told only by reading it
  };
  for (const Case& c : refused) {
    auto read = ReadWholeFile(c.path, c.limit);
    ASSERT_FALSE(read) << c.path;
    EXPECT_EQ(read.error().kind, ErrorKind::BadFormat) << c.path;
    EXPECT_NE(read.error().context.find(c.why), std::string::npos) << read.error().context;
  }
  EXPECT_EQ(ReadWholeFile(folder / "eleven", 11).value(), std::vector<uint8_t>(11, 5));
  ::alarm(0);
}

TEST_F(FileIoTest, SaveThroughALinkReplacesTheFileItNames) {
  fs::create_directory(folder / "real");
  const fs::path target = folder / "real" / "library.bin";
  ASSERT_TRUE(WriteFileAtomically(target, std::vector<uint8_t>{1}));
  fs::create_symlink("real/library.bin", folder / "link.bin");  // relative, as users make them
  fs::create_symlink(folder / "link.bin", folder / "link-to-link.bin");
  fs::create_symlink("real/new.bin", folder / "dangling.bin");

  ASSERT_TRUE(WriteFileAtomically(folder / "link-to-link.bin", std::vector<uint8_t>{2, 3}));
  EXPECT_TRUE(fs::is_symlink(folder / "link.bin"));
  EXPECT_TRUE(fs::is_symlink(folder / "link-to-link.bin"));
  EXPECT_EQ(ReadWholeFile(target).value(), (std::vector<uint8_t>{2, 3}));
  ASSERT_TRUE(WriteFileAtomically(folder / "dangling.bin", std::vector<uint8_t>{4}));
  EXPECT_TRUE(fs::is_symlink(folder / "dangling.bin"));
  EXPECT_EQ(ReadWholeFile(folder / "real" / "new.bin").value(), std::vector<uint8_t>{4});
  EXPECT_EQ(std::distance(fs::directory_iterator(folder / "real"), fs::directory_iterator()), 2);
}

TEST_F(FileIoTest, ModeOfAnExistingFileIsKeptAndANewOneFollowsTheUmask) {
  const fs::path kept = folder / "private.bin";
  ASSERT_TRUE(WriteFileAtomically(kept, std::vector<uint8_t>{1}));
  fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(WriteFileAtomically(kept, std::vector<uint8_t>{2}));
  EXPECT_EQ(fs::status(kept).permissions(), fs::perms::owner_read | fs::perms::owner_write);

  for (const auto& [mask, expected] : {std::pair<mode_t, unsigned>{027, 0640}, {077, 0600}, {022, 0644}}) {
    const mode_t before = ::umask(mask);
    const fs::path fresh = folder / ("new-" + std::to_string(mask) + ".bin");
    ASSERT_TRUE(WriteFileAtomically(fresh, std::vector<uint8_t>{3}));
    ::umask(before);
    EXPECT_EQ(static_cast<unsigned>(fs::status(fresh).permissions()), expected) << std::oct << mask;
  }
}

TEST_F(FileIoTest, TemporaryFilesOfKilledSavesGoWithTheNextSave) {
  const fs::path target = folder / "library.bin";
  ASSERT_TRUE(WriteFileAtomically(target, std::vector<uint8_t>{1}));
  ASSERT_TRUE(WriteFileAtomically(folder / ".library.bin.aB3dE9", std::vector<uint8_t>{9}));  // a killed save's
  // A save under way in another program holds the lock of its own.
  const fs::path live = folder / ".library.bin.Live01";
  ASSERT_TRUE(WriteFileAtomically(live, std::vector<uint8_t>{8}));
  const int held = ::open(live.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  ASSERT_TRUE(WriteFileAtomically(folder / "other.bin.aB3dE9", std::vector<uint8_t>{7}));  // not ours

  ASSERT_TRUE(WriteFileAtomically(target, std::vector<uint8_t>{2}));
  EXPECT_FALSE(fs::exists(folder / ".library.bin.aB3dE9"));
  EXPECT_TRUE(fs::exists(live));
  EXPECT_TRUE(fs::exists(folder / "other.bin.aB3dE9"));
  ::close(held);
}

TEST_F(FileIoTest, SavesKilledAtAnyMomentLeaveTheFileWholeAndNothingBehind) {
  const fs::path target = folder / "library.bin";
  const std::vector<uint8_t> a(1 << 20, 0xAA), b(1 << 20, 0xBB);
  ASSERT_TRUE(WriteFileAtomically(target, a));
  for (int kill = 0; kill < 20; ++kill) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) (void)WriteFileAtomically(target, kill % 2 ? a : b);  // killed mid-write on purpose
    }
    ::usleep(static_cast<useconds_t>(3000 + 1700 * kill));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
  }
  ASSERT_TRUE(WriteFileAtomically(target, a));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
  EXPECT_EQ(ReadWholeFile(target, a.size()).value(), a);
}

TEST_F(FileIoTest, SaveThatMustNotReplaceLeavesAnExistingFile) {
  const fs::path target = folder / "library.bin";
  ASSERT_TRUE(WriteFileAtomically(target, std::vector<uint8_t>{1}, Existing::Keep));
  const Status again = WriteFileAtomically(target, std::vector<uint8_t>{2}, Existing::Keep);
  ASSERT_FALSE(again);
  EXPECT_EQ(again.error().kind, ErrorKind::AlreadyExists);
  EXPECT_EQ(ReadWholeFile(target).value(), std::vector<uint8_t>{1});
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace veltrax
