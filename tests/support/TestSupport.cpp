#include "support/TestSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>

namespace testing_support {

std::string BinDir() { return ARTIX7_BIN_DIR; }
std::string SourceDir() { return ARTIX7_SOURCE_DIR; }
std::string SharedDir() {
  const std::filesystem::path shared = ARTIX7_SHARED_DIR;
  return std::filesystem::is_directory(shared) ? std::filesystem::canonical(shared).string() : std::string();
}

TPluginModule& LoadedPlugin() {
  static TPluginModule plugin(BinDir() + "/Device_Artix7.QLL");
  return plugin;
}

TInvokeResult Invoke(IDispatch* target, DISPID id, std::vector<TVariant> args) {
  std::vector<VARIANT> reversed;
  for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(it->Raw());
  DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  TInvokeResult result{S_OK, TVariant()};
  result.Status = target->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, result.Value.Ptr(), nullptr, nullptr);
  return result;
}

std::string RunProgram(const std::vector<std::string>& argv, int* exitCode) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) throw std::runtime_error("pipe failed");
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeFds[1], 1);
    close(pipeFds[0]);
    close(pipeFds[1]);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(pipeFds[1]);
  std::string out;
  char buffer[4096];
  ssize_t n;
  while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0) out.append(buffer, static_cast<std::size_t>(n));
  close(pipeFds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (exitCode != nullptr) *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return out;
}

}  // namespace testing_support
