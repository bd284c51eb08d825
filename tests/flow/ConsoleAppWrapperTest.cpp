// The console runner on real programs: argument vector, one pipe for both outputs, working
// folder and environment, PATH while the program runs, time-out, Abort and Terminate from
// the message pump, and the failure paths.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "flow/ConsoleAppWrapper.h"
#include "platform/Environment.h"
#include "platform/MessagePump.h"

namespace fs = std::filesystem;

namespace {

using TLines = std::vector<std::string>;

// A process that has ended but not been collected yet counts as gone.
bool IsRunning(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string all;
  if (!std::getline(stat, all)) return false;
  const std::size_t close = all.rfind(')');
  return close != std::string::npos && close + 2 < all.size() && all[close + 2] != 'Z' && all[close + 2] != 'X';
}

// Waits (without any time limit that matters) until the process has gone.
bool EndsSoon(pid_t pid) {
  for (int i = 0; i < 500 && IsRunning(pid); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return !IsRunning(pid);
}

class ConsoleAppWrapperTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "console runner XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    FFolder = fs::canonical(pattern);
  }
  void TearDown() override {
    platform::SetMessagePump({});
    std::error_code ignored;
    fs::remove_all(FFolder, ignored);
  }

  // An executable /bin/sh script in the test folder.
  std::string Script(const std::string& name, const std::string& body) {
    const fs::path path = FFolder / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    fs::permissions(path, fs::perms::owner_all);
    return path.string();
  }

  // Runs `program` with `parameters` through a wrapper that records every line.
  std::uint32_t Run(const std::string& program, const std::string& parameters, std::int32_t timeoutSeconds = 60,
                    bool resetTimeoutOnOutput = false) {
    TConsoleAppWrapper wrapper = MakeWrapper(program, parameters);
    return wrapper.Execute(timeoutSeconds, resetTimeoutOnOutput);
  }

  TConsoleAppWrapper MakeWrapper(const std::string& program, const std::string& parameters,
                                 const std::string& environment = "", const std::string& workDir = "") {
    return TConsoleAppWrapper(
        program, parameters, environment, workDir,
        [this](const std::string& line) {
          FLines.push_back("N:" + line);
          if (FOnLine) FOnLine(line);
        },
        [this](const std::string& line) { FLines.push_back("U:" + line); }, true, 0, true);
  }

  fs::path FFolder;
  TLines FLines;
  std::function<void(const std::string&)> FOnLine;
};

struct TPrintfCase {
  const char* Format;
  TLines Expected;
};

TEST_F(ConsoleAppWrapperTest, LinesOfPrintfArriveAsTheHostExpects) {
  const std::string long600(600, 'x');
  const TPrintfCase cases[] = {
      {"a\\r\\nb\\r\\n", {"N:a", "N:b"}},
      {"one\\rtwo\\r\\nthree\\r\\n", {"N:one", "U:two", "N:three"}},
      {"x\\ny\\n", {"N:x", "N:y"}},
      {"\\r\\n\\r\\n", {"N:", "N:"}},
  };
  for (const TPrintfCase& c : cases) {
    FLines.clear();
    EXPECT_EQ(Run("/usr/bin/printf", std::string("\"") + c.Format + "\""), 0u);
    EXPECT_EQ(FLines, c.Expected) << c.Format;
  }
  FLines.clear();
  EXPECT_EQ(Run("/usr/bin/printf", long600), 0u);
  EXPECT_EQ(FLines, (TLines{"N:" + long600.substr(0, 513), "N:" + long600.substr(513)}));
}

TEST_F(ConsoleAppWrapperTest, StandardOutputAndErrorShareOnePipeInOrder) {
  const std::string script = Script("both.sh", "printf 'out\\n'; printf 'err\\n' >&2; printf 'out2\\n'");
  EXPECT_EQ(Run(script, ""), 0u);
  EXPECT_EQ(FLines, (TLines{"N:out", "N:err", "N:out2"}));
}

TEST_F(ConsoleAppWrapperTest, ExitCodesPassThrough) {
  EXPECT_EQ(Run("/bin/sh", "-c \"exit 7\""), 7u);
  // Ended by a signal nobody here sent: 128 + the signal, as shells report it.
  EXPECT_EQ(Run("/bin/sh", "-c \"kill -USR1 $$\""), 128u + SIGUSR1);
}

TEST_F(ConsoleAppWrapperTest, ArgumentsReachTheProgramIntactAndAPathWithBlanksIsQuotedOnce) {
  const std::string program = Script("tools dir/print args.sh", "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done");
  const std::string parameters = R"(plain "with blank" "" "say \"hi\"" back\slash "end\\" a"b c"d)";
  EXPECT_EQ(Run(program, parameters), 0u);
  const TLines expected = {"N:[plain]",     "N:[with blank]", "N:[]", "N:[say \"hi\"]",
                           "N:[back\\slash]", "N:[end\\]",       "N:[ab cd]"};
  EXPECT_EQ(FLines, expected);
  FLines.clear();
  EXPECT_EQ(Run("\"" + program + "\"", "already quoted"), 0u);
  EXPECT_EQ(FLines, (TLines{"N:[already]", "N:[quoted]"}));
}

TEST_F(ConsoleAppWrapperTest, CommandLineQuotesTheApplicationNameOnlyWhenItHoldsABlank) {
  const std::pair<std::string, std::string> cases[] = {
      {"/usr/bin/tool", "/usr/bin/tool -x"},
      {"/opt/my tools/tool", "\"/opt/my tools/tool\" -x"},
      {"\"/opt/my tools/tool\"", "\"/opt/my tools/tool\" -x"},
      {"\"/opt/my tools/tool", "\"/opt/my tools/tool\" -x"},
      {"/opt/my tools/tool\"", "\"/opt/my tools/tool\" -x"},
  };
  for (const auto& [application, commandLine] : cases)
    EXPECT_EQ(MakeWrapper(application, "-x").CommandLine(), commandLine) << application;
}

TEST_F(ConsoleAppWrapperTest, RunsInItsWorkingFolder) {
  TConsoleAppWrapper wrapper = MakeWrapper("/bin/pwd", "", "", FFolder.string());
  EXPECT_EQ(wrapper.Execute(60, false), 0u);
  EXPECT_EQ(FLines, TLines{"N:" + FFolder.string()});
}

TEST_F(ConsoleAppWrapperTest, EnvironmentBlockIsTheWholeEnvironmentAndItsPathFindsTheProgram) {
  fs::create_directories(FFolder / "bin");
  fs::create_symlink("/usr/bin/env", FFolder / "bin" / "show-env");
  const std::optional<std::string> callerPath = platform::ReadEnvironmentVariable("PATH");
  const std::string toolPath = (FFolder / "bin").string() + ":/usr/bin";
  std::optional<std::string> pathDuringRun;
  FOnLine = [&](const std::string&) { pathDuringRun = platform::ReadEnvironmentVariable("PATH"); };

  TConsoleAppWrapper wrapper =
      MakeWrapper("show-env", "", std::string("FOO=bar baz\0Path=", 17) + toolPath + std::string("\0\0", 2));
  EXPECT_EQ(wrapper.Execute(60, false), 0u);
  EXPECT_EQ(FLines, (TLines{"N:FOO=bar baz", "N:Path=" + toolPath}));
  EXPECT_EQ(pathDuringRun, toolPath);
  EXPECT_EQ(platform::ReadEnvironmentVariable("PATH"), callerPath);
}

TEST_F(ConsoleAppWrapperTest, EmptyEnvironmentInheritsTheCallersOne) {
  setenv("CONSOLE_RUNNER_MARK", "inherited", 1);
  EXPECT_EQ(Run("/usr/bin/printenv", "CONSOLE_RUNNER_MARK"), 0u);
  unsetenv("CONSOLE_RUNNER_MARK");
  EXPECT_EQ(FLines, TLines{"N:inherited"});
}

TEST_F(ConsoleAppWrapperTest, TimeOutEndsTheProgramAndItsChildrenWithTheStillActiveCode) {
  const std::string script = Script("slow.sh", "sleep 30 & echo $!; sleep 30");
  EXPECT_EQ(Run(script, "", 1), TConsoleAppWrapper::kStillActiveExitCode);
  ASSERT_EQ(FLines.size(), 1u);
  EXPECT_TRUE(EndsSoon(std::stoi(FLines[0].substr(2)))) << "the program's child survived";
}

TEST_F(ConsoleAppWrapperTest, OutputRestartsTheTimeOutOnlyWhenAsked) {
  const std::string script = Script("ticker.sh", "for i in 1 2 3 4 5 6 7 8; do echo $i; sleep 0.2; done");
  EXPECT_EQ(Run(script, "", 1, true), 0u);
  EXPECT_EQ(FLines.size(), 8u);
  FLines.clear();
  EXPECT_EQ(Run(script, "", 1, false), TConsoleAppWrapper::kStillActiveExitCode);
  EXPECT_LT(FLines.size(), 8u);
}

TEST_F(ConsoleAppWrapperTest, AbortQueuedOnTheMessagePumpEndsTheWholeGroup) {
  const std::string script = Script("worker.sh", "sleep 30 & echo $!; wait");
  TConsoleAppWrapper wrapper = MakeWrapper(script, "");
  bool abortQueued = false;
  FOnLine = [&](const std::string&) { abortQueued = true; };
  platform::SetMessagePump([&] {
    if (abortQueued) wrapper.Abort();
  });
  EXPECT_EQ(wrapper.Execute(60, false), TConsoleAppWrapper::kAbortExitCode);
  ASSERT_EQ(FLines.size(), 1u);
  EXPECT_TRUE(EndsSoon(std::stoi(FLines[0].substr(2)))) << "the program's child survived";
}

TEST_F(ConsoleAppWrapperTest, TerminateLetsAProgramCloseByItself) {
  const std::string script = Script("polite.sh", "exec 2>/dev/null; trap 'echo closing; exit 3' TERM; echo ready; while :; do sleep 0.1; done");
  TConsoleAppWrapper wrapper = MakeWrapper(script, "");
  bool ready = false;
  FOnLine = [&](const std::string& line) { ready = ready || line == "ready"; };
  platform::SetMessagePump([&] {
    if (ready) wrapper.Terminate(10000);
  });
  EXPECT_EQ(wrapper.Execute(60, false), 3u);
  EXPECT_EQ(FLines, (TLines{"N:ready", "N:closing"}));
}

TEST_F(ConsoleAppWrapperTest, TerminateAbortsAProgramThatIgnoresTheRequest) {
  const std::string script = Script("stubborn.sh", "trap '' TERM; echo ready; while :; do sleep 0.1; done");
  TConsoleAppWrapper wrapper = MakeWrapper(script, "");
  bool ready = false;
  FOnLine = [&](const std::string&) { ready = true; };
  platform::SetMessagePump([&] {
    if (ready) wrapper.Terminate(200);
  });
  EXPECT_EQ(wrapper.Execute(60, false), TConsoleAppWrapper::kAbortExitCode);
}

TEST_F(ConsoleAppWrapperTest, ExecuteDuringARunStartsNothing) {
  const std::string script = Script("twice.sh", "echo one; echo two");
  TConsoleAppWrapper wrapper = MakeWrapper(script, "");
  std::vector<std::uint32_t> inner;
  FOnLine = [&](const std::string& line) {
    inner.push_back(wrapper.Execute(60, false));
    if (line == "one") wrapper.Abort();  // also after an abort, while the outer run still waits
  };
  wrapper.Execute(60, false);
  EXPECT_EQ(inner, std::vector<std::uint32_t>(inner.size(), 0u));
  EXPECT_FALSE(inner.empty());
  for (const std::string& line : FLines) EXPECT_TRUE(line == "N:one" || line == "N:two") << line;
}

TEST_F(ConsoleAppWrapperTest, MessagesAreProcessedOnlyWhenAsked) {
  int pumped = 0;
  platform::SetMessagePump([&] { ++pumped; });
  const std::string script = Script("short.sh", "echo a; sleep 0.3; echo b");
  for (const bool useProcessMsgs : {false, true}) {
    pumped = 0;
    TConsoleAppWrapper wrapper(script, "", "", "", {}, {}, true, 0, useProcessMsgs);
    EXPECT_EQ(wrapper.Execute(60, false), 0u);
    EXPECT_EQ(pumped > 0, useProcessMsgs);
  }
}

TEST_F(ConsoleAppWrapperTest, SeparateOutputHandleTakesStandardOutputOnly) {
  const std::string file = (FFolder / "stdout.txt").string();
  const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  ASSERT_GE(fd, 0);
  TConsoleAppWrapper wrapper = MakeWrapper(Script("split.sh", "echo out; echo err >&2"), "");
  EXPECT_EQ(wrapper.Execute(60, false, 0, fd), 0u);
  close(fd);
  EXPECT_EQ(FLines, TLines{"N:err"});
  std::stringstream written;
  written << std::ifstream(file).rdbuf();
  EXPECT_EQ(written.str(), "out\n");
}

TEST_F(ConsoleAppWrapperTest, WithoutRedirectExecuteReturnsAtOnce) {
  TConsoleAppWrapper wrapper(Script("quiet.sh", "exit 5"), "", "", "", {}, {}, false, 0, true);
  EXPECT_FALSE(wrapper.WaitUntilFinish());
  EXPECT_FALSE(wrapper.Hide());
  EXPECT_EQ(wrapper.Execute(60, false), 0u);
}

TEST_F(ConsoleAppWrapperTest, StartFailuresRaiseTheSystemErrorAndRestorePath) {
  const std::optional<std::string> callerPath = platform::ReadEnvironmentVariable("PATH");
  TConsoleAppWrapper missing = MakeWrapper("no-such-tool-here", "", std::string("PATH=/nonexistent\0", 18));
  EXPECT_THROW(missing.Execute(60, false), std::system_error);
  EXPECT_EQ(platform::ReadEnvironmentVariable("PATH"), callerPath);

  EXPECT_THROW(Run((FFolder / "absent.sh").string(), ""), std::system_error);
  const std::string notExecutable = (FFolder / "data.txt").string();
  std::ofstream(notExecutable) << "text\n";
  EXPECT_THROW(Run(notExecutable, ""), std::system_error);
  TConsoleAppWrapper badFolder = MakeWrapper("/bin/pwd", "", "", (FFolder / "absent").string());
  EXPECT_THROW(badFolder.Execute(60, false), std::system_error);
}

TEST_F(ConsoleAppWrapperTest, AFailingLineHandlerEndsTheProgram) {
  const std::string script = Script("busy.sh", "sleep 30 & echo $!; wait");
  TConsoleAppWrapper wrapper = MakeWrapper(script, "");
  FOnLine = [](const std::string&) { throw std::runtime_error("handler failed"); };
  EXPECT_THROW(wrapper.Execute(60, false), std::runtime_error);
  ASSERT_EQ(FLines.size(), 1u);
  EXPECT_TRUE(EndsSoon(std::stoi(FLines[0].substr(2))));
}

}  // namespace
