// quillhost exec: runs a program through the console runner the vendor-tool stages use and
// prints every line it hands on as NEW<TAB>text or UPD<TAB>text, then EXIT<TAB>code.
// Control-C aborts the program (and everything it started) through the message pump.
#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "flow/ConsoleAppWrapper.h"
#include "platform/CommandLine.h"
#include "platform/MessagePump.h"
#include "tools/quillhost/Verbs.h"

namespace {

struct TExecOptions {
  std::int32_t TimeoutSeconds = 2147483647;
  bool ResetTimeoutOnOutput = false;
  std::string WorkDir;
  std::vector<std::string> Environment;
  std::vector<std::string> Command;
};

volatile std::sig_atomic_t interrupted = 0;

void NoteInterrupt(int) { interrupted = 1; }

void PrintLine(const char* kind, const std::string& line) {
  std::fputs(kind, stdout);
  std::fputc('\t', stdout);
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
}

std::string JoinedArguments(const std::vector<std::string>& command) {
  std::string parameters;
  for (std::size_t i = 1; i < command.size(); ++i) {
    if (i > 1) parameters += ' ';
    parameters += platform::QuoteCommandLineArgument(command[i]);
  }
  return parameters;
}

std::string EnvironmentBlock(const std::vector<std::string>& entries) {
  std::string block;
  for (const std::string& entry : entries) block += entry + '\0';
  return block.empty() ? block : block + '\0';
}

void RunExec(const TExecOptions& options) {
  TConsoleAppWrapper wrapper(
      options.Command.front(), JoinedArguments(options.Command), EnvironmentBlock(options.Environment),
      options.WorkDir, [](const std::string& line) { PrintLine("NEW", line); },
      [](const std::string& line) { PrintLine("UPD", line); }, true, 0, true);
  interrupted = 0;
  auto previousHandler = std::signal(SIGINT, NoteInterrupt);
  platform::MessagePump previousPump = platform::SetMessagePump([&wrapper] {
    if (interrupted) wrapper.Abort();
  });
  struct TRestore {
    decltype(previousHandler) Handler;
    platform::MessagePump& Pump;
    ~TRestore() {
      platform::SetMessagePump(std::move(Pump));
      std::signal(SIGINT, Handler);
    }
  } restore{previousHandler, previousPump};
  const std::uint32_t exitCode = wrapper.Execute(options.TimeoutSeconds, options.ResetTimeoutOnOutput);
  std::printf("EXIT\t%u\n", exitCode);
}

TVerbRegistration registration{
    "exec", "run a program through the console runner: exec [--timeout S] [--cwd DIR] -- PROGRAM [ARGS...]",
    [](CLI::App& cmd) {
      auto options = std::make_shared<TExecOptions>();
      cmd.add_option("--timeout", options->TimeoutSeconds, "seconds after which the program is ended (exit code 259)");
      cmd.add_flag("--reset-timeout", options->ResetTimeoutOnOutput, "every output line restarts the time-out");
      cmd.add_option("--cwd", options->WorkDir, "working folder of the program");
      cmd.add_option("--env", options->Environment,
                     "NAME=VALUE for the program's environment (repeatable; when given, the program sees only "
                     "these, and a PATH entry is also where the program is looked up)");
      cmd.add_option("command", options->Command, "the program and its arguments (after --)")->required();
      return [options] { RunExec(*options); };
    }};

}  // namespace
