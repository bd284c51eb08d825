// quillhost's list and call verbs: the probe's output format is stable and exact.
#include <gtest/gtest.h>

#include <sstream>

#include "support/TestSupport.h"

using namespace testing_support;

namespace {

std::string Quillhost(std::vector<std::string> args, int* exitCode = nullptr) {
  args.insert(args.begin(), BinDir() + "/quillhost");
  return RunProgram(args, exitCode);
}

TEST(QuillhostCallTest, ListPrintsOneLinePerKind) {
  int exitCode = -1;
  const std::string out = Quillhost({"list"}, &exitCode);
  EXPECT_EQ(exitCode, 0);
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 47u);
  EXPECT_EQ(lines.front(), "0\tXC7A100T-1CSG324C\t0x03631093");
  EXPECT_EQ(lines.back(), "46\tXC7A200T-2LFFG1156E\t0x03636093");
}

TEST(QuillhostCallTest, CallPrintsExactlyOneResultLine) {
  const struct {
    std::vector<std::string> args;
    std::string out;
    int exitCode;
  } cases[] = {
      {{"0", "1023", "str:quilldriver"}, "VT_BOOL true\n", 0},
      {{"0", "1023", "str:DevicePin"}, "VT_BOOL false\n", 0},
      {{"0", "1024"}, "hr=0x80004001\n", 1},
      {{"4", "503399"}, "VT_BSTR \"2L\"\n", 0},
      {{"42", "503391"}, "VT_BSTR \"Lidless Ball Grid Array\"\n", 0},
      {{"0", "503408"}, "VT_I4 6\n", 0},
      {{"0", "503379"}, "VT_I4 56823955\n", 0},
      {{"0", "508554", "i4:0"}, "VT_I8 0\n", 0},
      {{"0", "503753"}, "VT_DISPATCH null\n", 0},
      {{"0", "503422", "i4:0"}, "VT_DISPATCH object\n", 0},
      {{"0", "503422", "i4:25", "/", "503524", "i4:4"}, "VT_BSTR \"24mA\"\n", 0},
      {{"0", "503762"}, "VT_EMPTY\n", 0},
      {{"0", "503766", "i4:0", "i8:0x100000005"}, "VT_BOOL false\n", 0},
      {{"0", "503411"}, "hr=0x8000FFFF\n", 1},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"call"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    int exitCode = -1;
    EXPECT_EQ(Quillhost(args, &exitCode), c.out) << c.args[1];
    EXPECT_EQ(exitCode, c.exitCode) << c.args[1];
  }
}

TEST(QuillhostCallTest, BadArgumentsAreRefusedWithoutCallingAnything) {
  for (std::vector<std::string> args : {std::vector<std::string>{"call", "0", "503380", "x:1"},
                                        {"call", "0", "nodispid"},
                                        {"call", "0", "503380", "/"},
                                        {"call", "99", "503380"},
                                        {"call", "0", "503753", "/", "503380"}}) {
    int exitCode = 0;
    EXPECT_EQ(Quillhost(args, &exitCode), "") << args[2];
    EXPECT_NE(exitCode, 0) << args[2];
  }
}

}  // namespace
