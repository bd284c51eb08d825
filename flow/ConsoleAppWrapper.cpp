#include "flow/ConsoleAppWrapper.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "flow/OutputLineAssembler.h"
#include "platform/CommandLine.h"
#include "platform/Environment.h"
#include "platform/MessagePump.h"
#include "platform/Text.h"
#include "platform/TickCounter.h"

namespace {

constexpr int kPollMilliseconds = 100;
constexpr std::size_t kReadChunk = 64 * 1024;

std::vector<std::string> SplitEnvironmentBlock(const std::string& block) {
  std::vector<std::string> entries;
  for (std::string_view entry : text::Split(block, '\0'))
    if (!entry.empty()) entries.emplace_back(entry);
  return entries;
}

// While a program runs, the caller's PATH is the one its environment block names, so that the
// program is looked up there; the old value comes back whatever happens.
class TPathSwap {
 public:
  explicit TPathSwap(const std::vector<std::string>& environment) : FSaved(platform::ReadEnvironmentVariable("PATH")) {
    const auto path = std::find_if(environment.begin(), environment.end(),
                                   [](const std::string& entry) { return text::StartsWithNoCase(entry, "PATH="); });
    if (path != environment.end()) platform::WriteEnvironmentVariable("PATH", path->substr(5));
  }
  ~TPathSwap() { platform::WriteEnvironmentVariable("PATH", FSaved); }
  TPathSwap(const TPathSwap&) = delete;
  TPathSwap& operator=(const TPathSwap&) = delete;

 private:
  std::optional<std::string> FSaved;
};

// Reads what the pipe holds now, and no more: a program that writes without pause must not
// keep the caller from its time-out and its messages.
void DrainPipe(platform::TPipe* pipe, std::vector<char>& buffer, TOutputLineAssembler& lines) {
  if (pipe == nullptr) return;
  std::size_t remaining = pipe->BytesAvailable();
  while (remaining > 0 && !pipe->Ended()) {
    const std::size_t n = pipe->Read(buffer.data(), std::min(remaining, buffer.size()));
    remaining -= std::min(remaining, n);
    lines.Feed(std::string_view(buffer.data(), n));
  }
}

}  // namespace

TConsoleAppWrapper::TConsoleAppWrapper(std::string applicationName, std::string parameters, std::string envStr,
                                       std::string workDir, TOutputLineEvent onNewLine, TOutputLineEvent onUpdateLine,
                                       bool redirect, std::uint32_t jobHandle, bool useProcessMsgs)
    : FApplicationName(std::move(applicationName)),
      FParameters(std::move(parameters)),
      FEnvStr(std::move(envStr)),
      FWorkDir(std::move(workDir)),
      FOnNewLine(std::move(onNewLine)),
      FOnUpdateLine(std::move(onUpdateLine)),
      FRedirect(redirect),
      FHide(redirect),
      FJobHandle(jobHandle),
      FUseProcessMsgs(useProcessMsgs),
      FWaitUntilFinish(redirect) {}

TConsoleAppWrapper::~TConsoleAppWrapper() { Abort(); }

std::string TConsoleAppWrapper::CommandLine() const {
  std::string program = FApplicationName;
  if (program.find(' ') != std::string::npos) {
    if (!program.starts_with('"')) program.insert(0, 1, '"');
    if (!program.ends_with('"')) program += '"';
  }
  return program + " " + FParameters;
}

platform::TProcessStartInfo TConsoleAppWrapper::StartInfo(const platform::TPipe* pipe,
                                                          platform::FileHandle stdOutputHandle) const {
  platform::TProcessStartInfo info;
  info.Arguments = platform::ParseCommandLine(CommandLine());
  if (!FEnvStr.empty()) info.Environment = SplitEnvironmentBlock(FEnvStr);
  info.WorkingDirectory = FWorkDir;
  if (pipe != nullptr) {
    info.StdOutput = stdOutputHandle != 0 ? stdOutputHandle : pipe->WriteEnd();
    info.StdError = pipe->WriteEnd();
  }
  return info;
}

std::uint32_t TConsoleAppWrapper::Execute(std::int32_t timeoutSeconds, bool resetTimeoutOnOutput,
                                          std::uint32_t /*creationFlags*/, platform::FileHandle stdOutputHandle) {
  // A program runs, or an Execute further out still waits for one that was aborted.
  if (FExecuting || FProcess) return 0;
  const TPathSwap pathSwap(SplitEnvironmentBlock(FEnvStr));
  std::optional<platform::TPipe> pipe;
  if (FRedirect) pipe.emplace();
  platform::TPipe* output = pipe ? &*pipe : nullptr;
  FProcess = platform::TProcess::Start(StartInfo(output, stdOutputHandle));
  FExecuting = true;
  if (output != nullptr) output->CloseWriteEnd();
  if (!FWaitUntilFinish) {
    CloseProcess();
    return 0;
  }
  try {
    const std::uint32_t exitCode = WaitForProgram(output, timeoutSeconds, resetTimeoutOnOutput);
    CloseProcess();
    return exitCode;
  } catch (...) {
    // A failing line handler must not leave the program running.
    FProcess->Terminate(kAbortExitCode);
    CloseProcess();
    throw;
  }
}

std::uint32_t TConsoleAppWrapper::WaitForProgram(platform::TPipe* pipe, std::int32_t timeoutSeconds,
                                                 bool resetTimeoutOnOutput) {
  const std::int64_t timeoutMs = static_cast<std::int64_t>(timeoutSeconds) * 1000;
  std::uint64_t timeoutStart = platform::TickCount64();
  TOutputLineAssembler lines(
      [this](TLineKind kind, const std::string& line) { DeliverLine(kind == TLineKind::New, line); },
      [&timeoutStart, resetTimeoutOnOutput] {
        if (resetTimeoutOnOutput) timeoutStart = platform::TickCount64();
      });
  std::vector<char> buffer(kReadChunk);
  bool timedOut = false;
  for (;;) {
    const platform::TWaitResult waited = FProcess->WaitForEnd(kPollMilliseconds, pipe);
    if (waited == platform::TWaitResult::Ended || waited == platform::TWaitResult::Failed) break;
    ProcessMessagesOrYield();
    DrainPipe(pipe, buffer, lines);
    if (static_cast<std::int64_t>(platform::TickCount64() - timeoutStart) > timeoutMs) {
      timedOut = true;
      break;
    }
  }
  DrainPipe(pipe, buffer, lines);
  const std::uint32_t exitCode = FProcess->ExitCode();
  lines.Finish();
  if (timedOut) FProcess->Terminate(kAbortExitCode);
  return exitCode;
}

void TConsoleAppWrapper::DeliverLine(bool isNewLine, const std::string& line) {
  const TOutputLineEvent& event = isNewLine ? FOnNewLine : FOnUpdateLine;
  if (event) event(line);
  ProcessMessagesOrYield();
}

void TConsoleAppWrapper::ProcessMessagesOrYield() const {
  if (FUseProcessMsgs)
    platform::ProcessMessages();
  else
    platform::YieldTimeSlice();
}

void TConsoleAppWrapper::CloseProcess() {
  FProcess.reset();
  FExecuting = false;
}

void TConsoleAppWrapper::Abort() {
  if (!FExecuting) return;
  FProcess->Terminate(kAbortExitCode);
  FExecuting = false;
}

void TConsoleAppWrapper::Terminate(std::uint32_t timeoutMs) {
  if (!FExecuting) return;
  FProcess->RequestClose();
  const std::uint64_t deadline = platform::TickCount64() + timeoutMs;
  for (;;) {
    const std::uint64_t now = platform::TickCount64();
    if (FProcess->HasEnded() || now >= deadline) break;
    FProcess->WaitForEnd(static_cast<int>(std::min<std::uint64_t>(deadline - now, 1000)));
  }
  if (!FProcess->HasEnded()) Abort();
  FExecuting = false;
}
