#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "common/CliRun.h"
#include "base/FileIo.h"
#include "image/DefaultImages.h"
#include "image/SectionChecks.h"
#include "common/TempFolder.h"

namespace veltrax {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::RunCtl;

class AssignCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    file = (folder / "profile.bin").string();
    const DeviceImage& factory = DefaultImage(1);
    ASSERT_TRUE(WriteFileAtomically(file, factory));
  }

  CliRun Assign(const std::string& args) { return RunCtl("assign " + file + " " + args); }
  std::vector<uint8_t> Bytes() { return ReadWholeFile(file).value(); }
  // The three code bytes of a button as hex.
  std::string Code(uint16_t address) {
    const auto bytes = Bytes();
    char text[7];
    std::snprintf(text, sizeof text, "%02X%02X%02X", bytes[address], bytes[address + 1], bytes[address + 2]);
    return text;
  }
  bool ProfileChecksumValid() {
    const auto bytes = Bytes();
    return ChecksumValid(std::span(bytes).subspan(0x040, 55));
  }

  test::TempFolder folder{"veltraxctl-assign"};
  std::string file;
};

TEST_F(AssignCommandTest, NamedFunctionsCombinationsAndCodesAreStoredWithTheChecksum) {
  const struct {
    std::string args;
    uint16_t address;
    const char* code;
    const char* said;
  } cases[] = {
      {"A 2 'Right Key'", 0x043, "010200", "Mode A button 2: Right Key (010200)"},
      {"B 6 'dpi +'", 0x05B + 15, "070000", "Mode B button 6: DPI + (070000)"},
      {"A 4 'WWW Fn/Back'", 0x049, "030224", "Mode A button 4: Back (030224)"},
      {"B 3 combo:Ctrl+Shift+a", 0x05B + 6, "020304", "Mode B button 3: Ctrl+Shift+A (020304)"},
      {"B 5 combo:Win", 0x05B + 12, "020800", "Mode B button 5: Win (020800)"},
      {"B 4 combo:alt+f4", 0x05B + 9, "02043D", "Mode B button 4: Alt+F4 (02043D)"},
      {"B 7 'combo:Shift+Space bar'", 0x05B + 18, "02022C", "Mode B button 7: Shift+Space bar (02022C)"},
      {"A 9 code:0a0300", 0x058, "0A0300", "Mode A button 9: AIM Key (0A0300)"},
      {"A 8 'AIM Key'", 0x055, "0A0300", "Mode A button 8: AIM Key (0A0300)"},  // takes the DPI of button 9
  };
  for (const auto& c : cases) {
    auto run = Assign(c.args);
    EXPECT_EQ(run.status, 0) << c.args << ": " << run.out;
    EXPECT_EQ(run.out, std::string(c.said) + "\n");
    EXPECT_EQ(Code(c.address), c.code) << c.args;
    EXPECT_TRUE(ProfileChecksumValid()) << c.args;
  }
}

TEST_F(AssignCommandTest, TheLastLeftKeyIsKeptUnlessACombinationReplacesIt) {
  const auto before = Bytes();
  auto refused = Assign("B 1 'Right Key'");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.out.find("Please keep a Left Key"), std::string::npos) << refused.out;
  EXPECT_EQ(Bytes(), before);

  EXPECT_EQ(Assign("B 3 'Left Key'").status, 0);
  EXPECT_EQ(Assign("B 1 'Right Key'").status, 0);
  EXPECT_EQ(Assign("A 1 combo:Ctrl+A").status, 0);
  EXPECT_EQ(Code(0x040), "020104");
  EXPECT_EQ(Code(0x05B), "010200");
}

TEST_F(AssignCommandTest, BadRequestsChangeNothing) {
  const auto before = Bytes();
  const struct {
    std::string args;
    const char* says;
  } cases[] = {
      {"C 1 'Right Key'", "A or B"},
      {"A 10 'Right Key'", "1 to 9"},
      {"A 2 Back", "\"Standard Mouse Key/Back\" or \"WWW Fn/Back\""},
      {"A 2 Teleport", "no menu offers"},
      {"A 2 combo:Ctrl+Q+W", "not a key combination"},
      {"A 2 combo:Ctrl+", "not a key combination"},
      // Only modifiers plus one ordinary key, as the User-defined dialog makes them.
      {"A 2 'combo:Ctrl+Left Shift'", "not a key combination"},
      {"A 2 'combo:Right Windows'", "not a key combination"},
      {"A 2 combo:Shift+Shift+A", "not a key combination"},
      {"A 2 combo:Ctrl+OEM_8", "not a key combination"},
      {"A 2 combo:A+Ctrl", "not a key combination"},
      {"A 2 code:12345", "six hexadecimal digits"},
  };
  for (const auto& c : cases) {
    auto run = Assign(c.args);
    EXPECT_NE(run.status, 0) << c.args;
    EXPECT_NE(run.out.find(c.says), std::string::npos) << c.args << ": " << run.out;
  }
  EXPECT_EQ(Bytes(), before);
}

TEST_F(AssignCommandTest, FilesThatAreNoProfileAreRefused) {
  std::vector<uint8_t> bytes = Bytes();
  bytes[0x07F] = 0x00;
  ASSERT_TRUE(WriteFileAtomically(file, bytes));
  auto wrongType = Assign("A 2 'Right Key'");
  EXPECT_EQ(wrongType.status, 1);
  EXPECT_NE(wrongType.out.find("VELTRAXData.bin file type error"), std::string::npos) << wrongType.out;

  bytes[0x07F] = 0x99;
  bytes[0x050] ^= 1;  // a code byte without its checksum
  ASSERT_TRUE(WriteFileAtomically(file, bytes));
  auto damaged = Assign("A 2 'Right Key'");
  EXPECT_EQ(damaged.status, 1);
  EXPECT_NE(damaged.out.find("checksum"), std::string::npos) << damaged.out;
  EXPECT_EQ(Bytes(), bytes);

  ASSERT_TRUE(WriteFileAtomically(file, std::vector<uint8_t>(100, 0x99)));
  EXPECT_EQ(Assign("A 2 'Right Key'").status, 1);
  EXPECT_EQ(Assign("A 2 'Right Key'").out.find("100 bytes") != std::string::npos, true);
}

// Every name functions lists in a language is one that assign takes in it.
TEST_F(AssignCommandTest, EveryListedFunctionIsTakenByAssign) {
  const auto original = Bytes();
  const struct {
    int lang;
    std::vector<const char*> listed;
  } cases[] = {
      {1, {"Left Key\n", "Standard Mouse Key/Back\n", "WWW Fn/Back\n", "DPI Loop\n", "Calculator\n"}},
      {2, {"左鍵\n"}},
      {3, {"CPI Loop\n", "Media Fn/Stop\n"}},
  };
  for (const auto& c : cases) {
    const std::string lang = " --lang " + std::to_string(c.lang);
    const auto list = RunCtl("functions" + lang);
    ASSERT_EQ(list.status, 0) << list.out;
    for (const char* name : c.listed) EXPECT_NE(list.out.find(name), std::string::npos) << c.lang << ": " << name;
    std::istringstream lines(list.out);
    for (std::string name; std::getline(lines, name);) {
      ASSERT_TRUE(WriteFileAtomically(file, original));
      const auto run = Assign("A 2 '" + name + "'" + lang);
      EXPECT_EQ(run.status, 0) << c.lang << ": " << name << ": " << run.out;
    }
  }
}

TEST_F(AssignCommandTest, ShowNamesTheButtonsInTheChosenLanguage) {
  ASSERT_EQ(Assign("A 2 combo:Ctrl+F4").status, 0);
  ASSERT_EQ(Assign("A 3 code:060121").status, 0);  // a macro slot that holds nothing
  const struct {
    const char* lang;
    std::vector<const char*> says;
  } cases[] = {
      {"", {"1  010100  Left Key", "2  02013D  Ctrl+F4", "3  060121  \n", "6  050000  DPI Loop"}},
      {"--lang 1", {"1  010100  Left Key", "6  050000  DPI Loop"}},
      {"--lang 2", {"1  010100  左鍵", "2  02013D  Ctrl+F4"}},
      {"--lang 3", {"6  050000  CPI Loop", "9  0600F0  Fire Key"}},
  };
  for (const auto& c : cases) {
    auto run = RunCtl(std::string("show ") + c.lang + " " + file);
    EXPECT_EQ(run.status, 0) << run.out;
    for (const char* said : c.says) EXPECT_NE(run.out.find(said), std::string::npos) << c.lang << ": " << run.out;
  }
  EXPECT_NE(RunCtl("show --lang 4 " + file).status, 0);
}

}  // namespace
}  // namespace veltrax
