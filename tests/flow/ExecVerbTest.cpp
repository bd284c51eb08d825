// quillhost exec: the console runner from the command line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

std::string Exec(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {testing_support::BinDir() + "/quillhost", "exec"});
  int exitCode = -1;
  const std::string out = testing_support::RunProgram(arguments, &exitCode);
  EXPECT_EQ(exitCode, 0);
  return out;
}

TEST(ExecVerb, PrintsEveryLineAndTheExitCode) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--", "/usr/bin/printf", "a\\r\\nb\\r\\n"}, "NEW\ta\nNEW\tb\nEXIT\t0\n"},
      {{"--", "/usr/bin/printf", "one\\rtwo\\r\\nthree\\r\\n"}, "NEW\tone\nUPD\ttwo\nNEW\tthree\nEXIT\t0\n"},
      {{"--", "printf", "x\\ny\\n"}, "NEW\tx\nNEW\ty\nEXIT\t0\n"},
      {{"--", "/bin/sh", "-c", "exit 4"}, "EXIT\t4\n"},
      {{"--cwd", "/", "--", "/bin/pwd"}, "NEW\t/\nEXIT\t0\n"},
      {{"--env", "A=1", "--", "/usr/bin/env"}, "NEW\tA=1\nEXIT\t0\n"},
      {{"--", "/bin/sh", "-c", "printf '[%s]' \"$@\"", "sh", "a b", "", "q\"t", "b\\"},
       "NEW\t[a b][][q\"t][b\\]\nEXIT\t0\n"},
  };
  for (const auto& [arguments, expected] : cases) EXPECT_EQ(Exec(arguments), expected) << arguments.back();
}

TEST(ExecVerb, ALongLineIsCutAfter513Characters) {
  const std::string line(600, 'z');
  EXPECT_EQ(Exec({"--", "/usr/bin/printf", line}),
            "NEW\t" + line.substr(0, 513) + "\nNEW\t" + line.substr(513) + "\nEXIT\t0\n");
}

TEST(ExecVerb, TimeOutGivesTheStillActiveCode) {
  EXPECT_EQ(Exec({"--timeout", "1", "--", "/bin/sh", "-c", "echo started; sleep 30"}), "NEW\tstarted\nEXIT\t259\n");
}

TEST(ExecVerb, AProgramThatCannotStartFails) {
  int exitCode = 0;
  testing_support::RunProgram({testing_support::BinDir() + "/quillhost", "exec", "--", "/no/such/program"}, &exitCode);
  EXPECT_EQ(exitCode, 1);
}

}  // namespace
