#include "base/BinFileName.h"

#include <gtest/gtest.h>

namespace veltrax {
namespace {

TEST(BinFileNameTest, BinIsAddedUnlessTheNameEndsInItInAnyCase) {
  const std::pair<const char*, const char*> cases[] = {
      {"abc", "abc.bin"},           {"abc.bin", "abc.bin"},     {"x.BIN", "x.BIN"},
      {"x.Bin", "x.Bin"},           {"a.txt", "a.txt.bin"},     {"/tmp/d.bin/m", "/tmp/d.bin/m.bin"},
      {"/tmp/M.BiN", "/tmp/M.BiN"}, {"binbin", "binbin.bin"},
  };
  for (const auto& [chosen, written] : cases) EXPECT_EQ(WithBinExtension(chosen), written) << chosen;
}

}  // namespace
}  // namespace veltrax
