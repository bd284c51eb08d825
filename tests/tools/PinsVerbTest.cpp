// quillhost pins and call: what a user checks a board against.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/TestSupport.h"

using testing_support::BinDir;
using testing_support::RunProgram;

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string Quillhost(std::vector<std::string> args, int* exitCode = nullptr) {
  args.insert(args.begin(), BinDir() + "/quillhost");
  return RunProgram(args, exitCode);
}

TEST(PinsVerbTest, CsvListsEveryPinWithItsFlagsAndStandards) {
  int exitCode = -1;
  const auto lines = Lines(Quillhost({"pins", "0", "--csv"}, &exitCode));
  EXPECT_EQ(exitCode, 0);
  ASSERT_EQ(lines.size(), 325u);
  EXPECT_EQ(lines[0], "Index,Pin,Bank,Pair,Flags,Standards");
  EXPECT_EQ(lines[1], "0,R11,14,,IO CLK_DIFF_N,19");
  EXPECT_EQ(lines[2], "1,K17,14,1,IO SPECIAL DIFF_P CLK_DIFF_N,37");
  EXPECT_EQ(lines[7], "6,L16,14,3,IO CLK SPECIAL DIFF_N CLK_DIFF_N,37");
}

TEST(PinsVerbTest, TextFormAndAnUnknownKind) {
  int exitCode = -1;
  const auto lines = Lines(Quillhost({"pins", "42"}, &exitCode));
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(lines.size(), 1156u);
  EXPECT_TRUE(Quillhost({"pins", "47"}, &exitCode).empty());
  EXPECT_EQ(exitCode, 1);
}

TEST(PinsVerbTest, CallProbesOfPinsAndStandards) {
  struct TCase {
    std::vector<std::string> Args;
    std::string Output;
  };
  const TCase cases[] = {
      {{"call", "42", "503409"}, "VT_I4 1156\n"},
      {{"call", "42", "503411", "i4:1156"}, "VT_DISPATCH null\n"},
      {{"call", "0", "503411", "i4:1", "/", "503547"}, "VT_BSTR \"14|1|\"\n"},
      {{"call", "0", "503411", "i4:2", "/", "503547"}, "VT_BSTR \"14|1|\"\n"},
      {{"call", "0", "503422", "i4:25", "/", "503523"}, "VT_I4 5\n"},
      {{"call", "0", "503422", "i4:25", "/", "503524", "i4:4"}, "VT_BSTR \"24mA\"\n"},
      {{"call", "0", "503422", "i4:37"}, "VT_DISPATCH null\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Args[2]);
    EXPECT_EQ(Quillhost(c.Args), c.Output);
  }
  EXPECT_TRUE(Quillhost({"call", "42", "503411", "i4:1155", "/", "503525"}).starts_with("VT_BSTR \""));
}

}  // namespace
