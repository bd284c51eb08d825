// Splitting the runner's command line into the program's argument vector.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CommandLine.h"

namespace {

using TArgs = std::vector<std::string>;

struct TParseCase {
  const char* Line;
  TArgs Expected;
};

const TParseCase kParseCases[] = {
    {"", {}},
    {"prog", {"prog"}},
    {"prog a b", {"prog", "a", "b"}},
    {"prog   a\t\tb  ", {"prog", "a", "b"}},
    {"\"C:\\Program Files\\tool.exe\" -x", {"C:\\Program Files\\tool.exe", "-x"}},
    {"/opt/my tools/run", {"/opt/my", "tools/run"}},
    {"\"/opt/my tools/run\" a", {"/opt/my tools/run", "a"}},
    {"C:\\dir\\\"x y\" a", {"C:\\dir\\x y", "a"}},  // no escapes in the program word
    {"p \"a b\" c", {"p", "a b", "c"}},
    {"p \"\" x", {"p", "", "x"}},
    {"p \"\"", {"p", ""}},
    {"p a\"b c\"d", {"p", "ab cd"}},
    {"p \\\"a", {"p", "\"a"}},
    {"p a\\\\\"b c\"", {"p", "a\\b c"}},
    {"p a\\\\\\\"b", {"p", "a\\\"b"}},
    {"p a\\b\\\\c", {"p", "a\\b\\\\c"}},
    {"p \"a\"\"b\"", {"p", "a\"b"}},
    {"p \"unterminated quote", {"p", "unterminated quote"}},
    {"p trailing\\", {"p", "trailing\\"}},
};

TEST(ParseCommandLine, FollowsTheWindowsRuntimeRules) {
  for (const TParseCase& c : kParseCases) EXPECT_EQ(platform::ParseCommandLine(c.Line), c.Expected) << c.Line;
}

TEST(QuoteCommandLineArgument, EveryArgumentComesBackUnchanged) {
  const TArgs arguments = {"plain", "", "with blank", "tab\there", "q\"uote", "\"", "back\\slash", "end\\",
                           "end blank\\", "\\\\\"", "a\\\\b c", " ", "\xC3\xA9t\xC3\xA9"};
  std::string line = "prog";
  for (const std::string& a : arguments) line += " " + platform::QuoteCommandLineArgument(a);
  TArgs expected = {"prog"};
  expected.insert(expected.end(), arguments.begin(), arguments.end());
  EXPECT_EQ(platform::ParseCommandLine(line), expected) << line;
}

TEST(QuoteCommandLineArgument, LeavesSimpleArgumentsAlone) {
  EXPECT_EQ(platform::QuoteCommandLineArgument("-intstyle"), "-intstyle");
  EXPECT_EQ(platform::QuoteCommandLineArgument("C:\\a\\b"), "C:\\a\\b");
  EXPECT_EQ(platform::QuoteCommandLineArgument("a b"), "\"a b\"");
  EXPECT_EQ(platform::QuoteCommandLineArgument(""), "\"\"");
}

}  // namespace
