// quillhost clockcore: the three ways the command drives a driver's clock-core generators.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "EdifChecker.h"
#include "support/TestSupport.h"

namespace {

using testing::HasSubstr;
using testing::Not;
using testing::IsEmpty;
using testing_support::BinDir;
using testing_support::RunProgram;

std::string Quillhost(std::vector<std::string> args, int* exitCode) {
  args.insert(args.begin(), BinDir() + "/quillhost");
  return RunProgram(args, exitCode);
}

TEST(ClockCoreVerb, CheckPrintsTheAnswerOfIsValidClockCore) {
  struct TCase {
    const char* Input;
    const char* Answer;
  };
  for (const TCase& c : {TCase{"100", "VT_BOOL true\n"}, TCase{"50", "VT_BOOL false\n"}, TCase{"120", "VT_BOOL false\n"}}) {
    int exitCode = -1;
    EXPECT_EQ(Quillhost({"clockcore", "0", "--check", "--in", c.Input, "--multiply", "10", "--divide", "1"}, &exitCode),
              c.Answer)
        << c.Input;
    EXPECT_EQ(exitCode, 0);
  }
}

TEST(ClockCoreVerb, TemplatePrintsOneAttributePerLine) {
  int exitCode = -1;
  const std::string out = Quillhost({"clockcore", "5", "--template", "--in", "33.333", "--out", "B:divide:2"}, &exitCode);
  EXPECT_EQ(exitCode, 0);
  EXPECT_EQ(out,
            "FACTORY_JF\ttrue\tF0F0\n"
            "CLKIN_PERIOD\ttrue\t30.0003\n"
            "CLKA\ttrue\t\n"
            "CLKOUT1_MAP\ttrue\tCLKB_BUF\n"
            "CLKOUT1_DIVIDE\ttrue\t2\n"
            "CLKOUT1_MULTIPLY\ttrue\t1\n"
            "CLKOUT1_PHASE\ttrue\t0\n");
}

TEST(ClockCoreVerb, WritesTheNetlistToAFile) {
  const auto path = std::filesystem::temp_directory_path() / ("clockcore_verb_" + std::to_string(::getpid()) + ".edn");
  int exitCode = -1;
  const std::string out = Quillhost({"clockcore", "0", "--in", "100", "--out", "A:divide:4", "--out", "b:multiply:1",
                                     "--name", "sysclk", "-o", path.string()},
                                    &exitCode);
  EXPECT_EQ(exitCode, 0);
  EXPECT_THAT(out, IsEmpty());
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  std::filesystem::remove(path);
  EXPECT_THAT(text.str(), testing::StartsWith("(edif sysclk\n"));
  EXPECT_THAT(text.str(), HasSubstr("(property CLKOUT0_DIVIDE_F (string \"48\"))"));
  EXPECT_THAT(text.str(), HasSubstr("(port CLKB (direction OUTPUT))"));
  EXPECT_THAT(text.str(), Not(HasSubstr("(port CLKC ")));
  EXPECT_THAT(edif::CheckNetlist(text.str()), IsEmpty());
}

TEST(ClockCoreVerb, AnUnreachableInputStillPrintsTheNetlistButFails) {
  int exitCode = -1;
  const std::string out = Quillhost({"clockcore", "0", "--in", "900", "--out", "A:divide:2"}, &exitCode);
  EXPECT_EQ(exitCode, 1);
  EXPECT_THAT(out, testing::EndsWith("(libraryRef work)))\n)\n"));
  EXPECT_THAT(out, Not(HasSubstr("(instance clkdll_adv")));
}

TEST(ClockCoreVerb, RejectsMalformedOutputs) {
  for (const char* bad : {"E:divide:2", "A:halve:2", "A:divide", "A:divide:two", "AB:divide:2"}) {
    int exitCode = -1;
    EXPECT_THAT(Quillhost({"clockcore", "0", "--in", "100", "--out", bad}, &exitCode), IsEmpty()) << bad;
    EXPECT_EQ(exitCode, 1) << bad;
  }
}

}  // namespace
