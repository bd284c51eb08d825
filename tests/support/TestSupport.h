// Helpers shared by the test programs.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "host/Variant.h"
#include "hostsim/PluginModule.h"

namespace testing_support {

std::string BinDir();
std::string SourceDir();
// The shared folder with the vendor files and samples ("" when it is absent).
std::string SharedDir();

// The built plug-in file, loaded once per test program exactly as a host loads it.
TPluginModule& LoadedPlugin();

struct TInvokeResult {
  HRESULT Status;
  TVariant Value;
};

// Calls `id` on `target` with the arguments in declaration order (packed last-first).
TInvokeResult Invoke(IDispatch* target, DISPID id, std::vector<TVariant> args = {});

// Runs a program and returns its standard output; the exit code goes to `exitCode`.
std::string RunProgram(const std::vector<std::string>& argv, int* exitCode = nullptr);

}  // namespace testing_support
