// Dynamic modules: loading a library by path, looking up its exports, and finding the file of
// the module that contains a given address.
#pragma once

#include <string>

namespace platform {

using ModuleHandle = void*;

ModuleHandle LoadModule(const std::string& path, std::string* error = nullptr);
void FreeModule(ModuleHandle module);
void* FindExport(ModuleHandle module, const char* name);
// The module of that file name when the process has loaded it already (null otherwise); the
// caller frees the handle it gets.
ModuleHandle FindLoadedModule(const std::string& name);
// An export of the running process or of any module it has loaded already.
void* FindProcessExport(const char* name);
// The file of the module whose code holds `address` (empty when unknown).
std::string ModuleFileOf(const void* address);
std::string ExecutableFile();

}  // namespace platform
