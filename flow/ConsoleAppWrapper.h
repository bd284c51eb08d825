// Runs one console program for its owner: captures what it writes to standard output and
// standard error (through one pipe), hands the output on line by line while the host's
// messages keep being processed, waits for the program to end with an optional time-out,
// and can abort it. The vendor-tool stages create one wrapper per tool run.
//
// Here the program is started without a shell from the command line split with the host
// platform's quoting rules, in a process group of its own, so that aborting it also ends
// everything it started.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Pipe.h"
#include "platform/Process.h"

using TOutputLineEvent = std::function<void(const std::string& ALine)>;

class TConsoleAppWrapper {
 public:
  static constexpr std::uint32_t kAbortExitCode = platform::kControlCExitCode;
  static constexpr std::uint32_t kStillActiveExitCode = platform::kStillActiveExitCode;

  // `envStr`: "NAME=value" entries separated by zero characters; empty inherits the caller's
  // environment. `workDir`: empty inherits the caller's current folder. `hide` and
  // "wait until finish" follow `redirect`. `jobHandle` is kept for the host platform: the
  // program's process group is its job here.
  TConsoleAppWrapper(std::string applicationName, std::string parameters, std::string envStr, std::string workDir,
                     TOutputLineEvent onNewLine, TOutputLineEvent onUpdateLine, bool redirect,
                     std::uint32_t jobHandle, bool useProcessMsgs);
  // Aborts a running program.
  ~TConsoleAppWrapper();
  TConsoleAppWrapper(const TConsoleAppWrapper&) = delete;
  TConsoleAppWrapper& operator=(const TConsoleAppWrapper&) = delete;

  // Starts the program and, when WaitUntilFinish, waits for its end and returns its exit code
  // (kStillActiveExitCode when the time-out ended it, kAbortExitCode after Abort). Returns 0
  // at once while a program runs. `creationFlags` are the host platform's and unused here;
  // `stdOutputHandle`, when not 0, receives standard output instead of the pipe. A program
  // that cannot be started raises std::system_error.
  std::uint32_t Execute(std::int32_t timeoutSeconds, bool resetTimeoutOnOutput, std::uint32_t creationFlags = 0,
                        platform::FileHandle stdOutputHandle = 0);
  // Ends the running program and every process of its group at once.
  void Abort();
  // Asks the running program to close, waits up to `timeoutMs` for it, then aborts it.
  void Terminate(std::uint32_t timeoutMs);

  // The command line the program is started from: the application name, quoted once when it
  // holds a blank, one blank and the parameters.
  std::string CommandLine() const;

  const std::string& ApplicationName() const { return FApplicationName; }
  void SetApplicationName(std::string value) { FApplicationName = std::move(value); }
  const std::string& Parameters() const { return FParameters; }
  void SetParameters(std::string value) { FParameters = std::move(value); }
  const std::string& EnvStr() const { return FEnvStr; }
  void SetEnvStr(std::string value) { FEnvStr = std::move(value); }
  const std::string& WorkDir() const { return FWorkDir; }
  void SetWorkDir(std::string value) { FWorkDir = std::move(value); }
  const TOutputLineEvent& OnNewLine() const { return FOnNewLine; }
  void SetOnNewLine(TOutputLineEvent value) { FOnNewLine = std::move(value); }
  const TOutputLineEvent& OnUpdateLine() const { return FOnUpdateLine; }
  void SetOnUpdateLine(TOutputLineEvent value) { FOnUpdateLine = std::move(value); }
  bool Redirect() const { return FRedirect; }
  void SetRedirect(bool value) { FRedirect = value; }
  bool Hide() const { return FHide; }
  void SetHide(bool value) { FHide = value; }
  bool UseProcessMsgs() const { return FUseProcessMsgs; }
  void SetUseProcessMsgs(bool value) { FUseProcessMsgs = value; }
  bool WaitUntilFinish() const { return FWaitUntilFinish; }
  void SetWaitUntilFinish(bool value) { FWaitUntilFinish = value; }

 private:
  platform::TProcessStartInfo StartInfo(const platform::TPipe* pipe, platform::FileHandle stdOutputHandle) const;
  std::uint32_t WaitForProgram(platform::TPipe* pipe, std::int32_t timeoutSeconds, bool resetTimeoutOnOutput);
  void DeliverLine(bool isNewLine, const std::string& line);
  void ProcessMessagesOrYield() const;
  void CloseProcess();

  std::string FApplicationName;
  std::string FParameters;
  std::string FEnvStr;
  std::string FWorkDir;
  TOutputLineEvent FOnNewLine;
  TOutputLineEvent FOnUpdateLine;
  bool FRedirect;
  bool FHide;
  std::unique_ptr<platform::TProcess> FProcess;  // the process handle and id
  bool FExecuting = false;
  [[maybe_unused]] std::uint32_t FJobHandle;  // the job of the host platform; the process group here
  bool FUseProcessMsgs;
  bool FWaitUntilFinish;
};
