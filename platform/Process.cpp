#include "platform/Process.h"

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/Environment.h"
#include "platform/TickCounter.h"

extern char** environ;

namespace platform {

namespace {

[[noreturn]] void RaiseStartError(int error, const std::string& program) {
  throw std::system_error(error, std::generic_category(), "cannot start " + program);
}

bool IsExecutableFile(const std::string& path) {
  struct stat info{};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

// A name with a slash is a path from the current folder (resolved now, before the program's
// working folder applies); a bare name is looked up in PATH as it is at this moment.
std::string ResolveProgram(const std::string& program) {
  if (program.empty()) RaiseStartError(ENOENT, "a program without a name");
  if (program.find('/') != std::string::npos) return AbsolutePath(program);
  const std::string path = ReadEnvironmentVariable("PATH").value_or("/usr/local/bin:/usr/bin:/bin");
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = std::min(path.find(':', begin), path.size());
    const std::string folder = end == begin ? "." : path.substr(begin, end - begin);
    const std::string candidate = folder + "/" + program;
    if (IsExecutableFile(candidate)) return AbsolutePath(candidate);
    if (end == path.size()) break;
    begin = end + 1;
  }
  RaiseStartError(ENOENT, program);
}

std::vector<char*> PointerArray(const std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  pointers.reserve(texts.size() + 1);
  for (const std::string& t : texts) pointers.push_back(const_cast<char*>(t.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// File actions and attributes of one start, released whatever happens.
class TSpawnSetup {
 public:
  explicit TSpawnSetup(const TProcessStartInfo& info) {
    posix_spawn_file_actions_init(&Actions);
    posix_spawnattr_init(&Attributes);
    if (info.StdOutput >= 0) posix_spawn_file_actions_adddup2(&Actions, info.StdOutput, STDOUT_FILENO);
    if (info.StdError >= 0) posix_spawn_file_actions_adddup2(&Actions, info.StdError, STDERR_FILENO);
    if (!info.WorkingDirectory.empty())
      posix_spawn_file_actions_addchdir_np(&Actions, info.WorkingDirectory.c_str());
    // A group of its own, no blocked signals, and default handling of every signal (a caller
    // that ignores SIGPIPE must not pass that on).
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setflags(&Attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&Attributes, 0);
    posix_spawnattr_setsigmask(&Attributes, &none);
    posix_spawnattr_setsigdefault(&Attributes, &all);
  }
  ~TSpawnSetup() {
    posix_spawn_file_actions_destroy(&Actions);
    posix_spawnattr_destroy(&Attributes);
  }
  TSpawnSetup(const TSpawnSetup&) = delete;
  TSpawnSetup& operator=(const TSpawnSetup&) = delete;

  posix_spawn_file_actions_t Actions;
  posix_spawnattr_t Attributes;
};

int OpenPidFd(pid_t pid) {
#ifdef SYS_pidfd_open
  return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
#else
  (void)pid;
  return -1;
#endif
}

}  // namespace

std::unique_ptr<TProcess> TProcess::Start(const TProcessStartInfo& info) {
  const std::string programName = info.Arguments.empty() ? std::string() : info.Arguments.front();
  const std::string program = ResolveProgram(programName);
  TSpawnSetup setup(info);
  std::vector<char*> argv = PointerArray(info.Arguments);
  std::vector<char*> envp;
  if (info.Environment) envp = PointerArray(*info.Environment);
  pid_t pid = 0;
  const int error =
      posix_spawn(&pid, program.c_str(), &setup.Actions, &setup.Attributes, argv.data(), info.Environment ? envp.data() : environ);
  if (error != 0)
    RaiseStartError(error, info.WorkingDirectory.empty() ? programName : programName + " in " + info.WorkingDirectory);
  return std::unique_ptr<TProcess>(new TProcess(pid));
}

TProcess::TProcess(pid_t pid) : FPid(pid), FPidFd(OpenPidFd(pid)) {}

TProcess::~TProcess() {
  if (FKilled) WaitUntilEnded();
  if (HasEnded() && !FReapedElsewhere) waitpid(FPid, nullptr, WNOHANG);
  if (FPidFd >= 0) close(FPidFd);
}

bool TProcess::HasEnded() {
  if (FEnded) return true;
  siginfo_t info{};
  if (waitid(P_PID, static_cast<id_t>(FPid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
    // Someone else reaped it (a caller that ignores SIGCHLD): it has ended, its code is lost.
    if (errno == ECHILD) FEnded = FReapedElsewhere = true;
    return FEnded;
  }
  if (info.si_pid == 0) return false;
  RecordEnd(info);
  return true;
}

void TProcess::RecordEnd(const siginfo_t& info) {
  FEnded = true;
  FEndedBySignal = info.si_code == CLD_KILLED || info.si_code == CLD_DUMPED;
  FStatus = info.si_status;
}

void TProcess::WaitUntilEnded() {
  while (!HasEnded()) {
    siginfo_t info{};
    if (waitid(P_PID, static_cast<id_t>(FPid), &info, WEXITED | WNOWAIT) == 0) {
      RecordEnd(info);
    } else if (errno == ECHILD) {
      FEnded = FReapedElsewhere = true;
    } else if (errno != EINTR) {
      FEnded = true;  // cannot wait: do not hang
    }
  }
}

TWaitResult TProcess::WaitForEnd(int milliseconds, TPipe* output) {
  if (HasEnded()) return TWaitResult::Ended;
  const bool watchOutput = output != nullptr && !output->Ended();
  if (FPidFd < 0) return WaitBySlices(milliseconds, watchOutput ? output : nullptr);
  pollfd watched[2] = {{FPidFd, POLLIN, 0}, {watchOutput ? output->ReadEnd() : -1, POLLIN, 0}};
  const int ready = poll(watched, watchOutput ? 2 : 1, std::max(milliseconds, 0));
  if (ready < 0) return errno == EINTR ? TWaitResult::TimedOut : TWaitResult::Failed;
  if (ready == 0) return TWaitResult::TimedOut;
  if (watched[0].revents != 0) return HasEnded() ? TWaitResult::Ended : TWaitResult::Failed;
  NoteOutputEnd(*output, watched[1].revents);
  return TWaitResult::OutputReady;
}

// Without process descriptors: look at the program and the output in short slices.
TWaitResult TProcess::WaitBySlices(int milliseconds, TPipe* output) {
  const std::uint64_t start = TickCount64();
  for (;;) {
    if (HasEnded()) return TWaitResult::Ended;
    const auto elapsed = static_cast<int>(TickCount64() - start);
    if (elapsed >= milliseconds) return TWaitResult::TimedOut;
    const int slice = std::min(milliseconds - elapsed, 5);
    if (output == nullptr) {
      usleep(static_cast<useconds_t>(slice) * 1000u);
      continue;
    }
    pollfd watched{output->ReadEnd(), POLLIN, 0};
    if (poll(&watched, 1, slice) > 0) {
      NoteOutputEnd(*output, watched.revents);
      return TWaitResult::OutputReady;
    }
  }
}

void TProcess::NoteOutputEnd(TPipe& output, short events) {
  if ((events & (POLLHUP | POLLERR | POLLNVAL)) != 0 && output.BytesAvailable() == 0) output.MarkEnded();
}

std::uint32_t TProcess::ExitCode() {
  if (!HasEnded()) return kStillActiveExitCode;
  if (!FEndedBySignal) return static_cast<std::uint32_t>(FStatus);
  return FSignalled ? FForcedExitCode : 128u + static_cast<std::uint32_t>(FStatus);
}

void TProcess::Terminate(std::uint32_t exitCode) {
  FForcedExitCode = exitCode;
  FKilled = true;
  SignalGroup(SIGKILL);
}

void TProcess::RequestClose() { SignalGroup(SIGTERM); }

void TProcess::SignalGroup(int signal) {
  // The unreaped leader keeps the group's number reserved, so the signal cannot reach a
  // stranger's group.
  if (FReapedElsewhere) return;
  FSignalled = true;
  kill(-FPid, signal);
}

void YieldTimeSlice() { sched_yield(); }

}  // namespace platform
