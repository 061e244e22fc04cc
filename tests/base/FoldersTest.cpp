#include "base/Folders.h"

#include <gtest/gtest.h>

#include "base/FileIo.h"
#include "common/TempFolder.h"

namespace veltrax {
namespace {

namespace fs = std::filesystem;

class FoldersTest : public ::testing::Test {
 protected:
  test::TempFolder folder{"veltrax-folders"};
  fs::path own = folder / "data" / "veltrax";
};

TEST_F(FoldersTest, OnlyTheOwnDataFolderIsCreated) {
  ASSERT_TRUE(PrepareFolderFor(own / "VELTRAX-Macro.bin", own));
  EXPECT_TRUE(fs::is_directory(own));
  // The same folder spelt another way is still the program's own.
  EXPECT_TRUE(PrepareFolderFor(folder / "data" / "." / "veltrax" / "x.bin", own));

  const fs::path typo = folder / "Documnets" / "macros";
  Status refused = PrepareFolderFor(typo / "lib.bin", own);
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.error().kind, ErrorKind::NotFound);
  EXPECT_NE(refused.error().context.find(typo.string()), std::string::npos) << refused.error().context;
  EXPECT_FALSE(fs::exists(folder / "Documnets"));
}

TEST_F(FoldersTest, ExistingFoldersAndBareNamesNeedNothing) {
  EXPECT_TRUE(PrepareFolderFor(folder / "lib.bin", own));
  EXPECT_TRUE(PrepareFolderFor("lib.bin", own));
  EXPECT_FALSE(fs::exists(own));
}

TEST_F(FoldersTest, AFileInThePlaceOfTheFolderIsAnError) {
  ASSERT_TRUE(WriteFileAtomically(folder / "data", std::vector<uint8_t>{1}));
  EXPECT_FALSE(PrepareFolderFor(own / "lib.bin", own));
  EXPECT_FALSE(PrepareFolderFor(folder / "data" / "lib.bin", own));
}

}  // namespace
}  // namespace veltrax
