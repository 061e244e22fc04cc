#include "cli/NearestName.h"

#include <gtest/gtest.h>

namespace veltrax::cli {
namespace {

TEST(NearestNameTest, SlipsOfTheFingersFindTheirName) {
  const std::vector<std::string> commands{"list", "info", "read", "write", "reset", "show", "macro", "export-all"};
  struct Case {
    const char* typed;
    const char* meant;  // nullptr: nothing is close enough
  };
  const Case cases[] = {
      {"raed", "read"},        // two letters swapped
      {"lst", "list"},         // one left out
      {"shoow", "show"},       // one too many
      {"RESET", "reset"},      // case does not matter
      {"wirte", "write"},
      {"exportall", "export-all"},
      {"mcaor", "macro"},      // two swaps in a longer word
      {"lsit", "list"},
      {"zzzz", nullptr},       // too far
      {"delete", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    const auto nearest = NearestName(c.typed, commands);
    if (c.meant == nullptr) {
      EXPECT_FALSE(nearest) << c.typed << " -> " << *nearest;
    } else {
      EXPECT_EQ(nearest.value_or("(none)"), c.meant) << c.typed;
    }
  }
}

TEST(NearestNameTest, EditsCountOnceEach) {
  EXPECT_EQ(EditDistance("read", "read"), 0);
  EXPECT_EQ(EditDistance("raed", "read"), 1);
  EXPECT_EQ(EditDistance("", "abc"), 3);
  EXPECT_EQ(EditDistance("kitten", "sitting"), 3);
}

}  // namespace
}  // namespace veltrax::cli
