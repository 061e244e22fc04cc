#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "base/FileIo.h"
#include "common/TempFolder.h"

namespace veltrax {
namespace {

namespace fs = std::filesystem;

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
  }
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

}  // namespace
}  // namespace veltrax
