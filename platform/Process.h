// Started programs. A program is started without a shell from an argument vector, in a
// process group of its own (the analogue of a job object): ending it ends every process it
// started that stayed in its group. Exit codes follow the host platform: 259 while the
// program runs, the code given to Terminate when it was ended that way.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <signal.h>
#include <sys/types.h>
#include <vector>

#include "platform/Pipe.h"

namespace platform {

// The exit code a program reports while it still runs.
inline constexpr std::uint32_t kStillActiveExitCode = 259;
// The exit code of a program ended by control-C.
inline constexpr std::uint32_t kControlCExitCode = 0xC000013A;

struct TProcessStartInfo {
  // Arguments[0] names the program: a path (relative to the caller's current folder), or a
  // bare name looked up in the caller's PATH.
  std::vector<std::string> Arguments;
  // "NAME=value" entries; none = the caller's environment.
  std::optional<std::vector<std::string>> Environment;
  // Empty = the caller's current folder.
  std::string WorkingDirectory;
  // Handles that become the program's standard output and error; -1 = the caller's.
  FileHandle StdOutput = -1;
  FileHandle StdError = -1;
};

enum class TWaitResult { Ended, OutputReady, TimedOut, Failed };

class TProcess {
 public:
  // Starts the program. Failure (program not found, not executable, working folder missing)
  // raises std::system_error.
  static std::unique_ptr<TProcess> Start(const TProcessStartInfo& info);
  // Closes the handle. A program that was ended is waited for; a running one keeps running.
  ~TProcess();
  TProcess(const TProcess&) = delete;
  TProcess& operator=(const TProcess&) = delete;

  pid_t Id() const { return FPid; }
  // Waits up to `milliseconds` for the program to end; returns early with OutputReady when
  // `output` has bytes to read or has just ended.
  TWaitResult WaitForEnd(int milliseconds, TPipe* output = nullptr);
  bool HasEnded();
  // kStillActiveExitCode while the program runs.
  std::uint32_t ExitCode();
  // Ends the program's whole process group at once; the program's exit code becomes `exitCode`.
  void Terminate(std::uint32_t exitCode);
  // Asks the program's process group to close (SIGTERM); a program ended by it reports
  // kControlCExitCode, one that closes by itself its own code.
  void RequestClose();

 private:
  explicit TProcess(pid_t pid);
  void RecordEnd(const siginfo_t& info);
  void WaitUntilEnded();
  TWaitResult WaitBySlices(int milliseconds, TPipe* output);
  static void NoteOutputEnd(TPipe& output, short events);
  void SignalGroup(int signal);

  pid_t FPid;
  int FPidFd = -1;         // readable once the program has ended; -1 when the system has none
  bool FEnded = false;
  bool FEndedBySignal = false;
  int FStatus = 0;         // exit status, or the signal that ended it
  bool FReapedElsewhere = false;
  bool FSignalled = false;  // we sent the group a signal
  bool FKilled = false;     // ... and it was SIGKILL
  std::uint32_t FForcedExitCode = kControlCExitCode;
};

// Gives up the rest of the calling thread's time slice.
void YieldTimeSlice();

}  // namespace platform
