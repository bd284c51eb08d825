#include "platform/Module.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef _WIN32
ModuleHandle LoadModule(const std::string& path, std::string* error) {
  HMODULE m = LoadLibraryA(path.c_str());
  if (m == nullptr && error != nullptr) *error = "cannot load " + path;
  return m;
}
void FreeModule(ModuleHandle module) {
  if (module != nullptr) FreeLibrary(static_cast<HMODULE>(module));
}
void* FindExport(ModuleHandle module, const char* name) {
  return module == nullptr ? nullptr : reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}
void* FindProcessExport(const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(nullptr), name));
}
ModuleHandle FindLoadedModule(const std::string& name) {
  HMODULE m = nullptr;
  return GetModuleHandleExA(0, name.c_str(), &m) ? m : nullptr;
}
std::string ModuleFileOf(const void* address) {
  HMODULE m = nullptr;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<LPCSTR>(address), &m))
    return {};
  char buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameA(m, buffer, MAX_PATH);
  return std::string(buffer, n);
}
std::string ExecutableFile() { return ModuleFileOf(nullptr); }
#else
ModuleHandle LoadModule(const std::string& path, std::string* error) {
  void* m = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (m == nullptr && error != nullptr) {
    const char* why = dlerror();
    *error = why != nullptr ? why : ("cannot load " + path);
  }
  return m;
}
void FreeModule(ModuleHandle module) {
  if (module != nullptr) dlclose(module);
}
void* FindExport(ModuleHandle module, const char* name) {
  return module == nullptr ? nullptr : dlsym(module, name);
}
void* FindProcessExport(const char* name) { return dlsym(RTLD_DEFAULT, name); }
ModuleHandle FindLoadedModule(const std::string& name) { return dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD); }
std::string ModuleFileOf(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return {};
  char resolved[PATH_MAX];
  if (realpath(info.dli_fname, resolved) != nullptr) return resolved;
  return info.dli_fname;
}
std::string ExecutableFile() {
  char buffer[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}
#endif

}  // namespace platform
