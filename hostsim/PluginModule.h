// A plug-in file loaded the way the host loads it: by path, through the two exports only.
#pragma once

#include <cstdint>
#include <string>

#include "host/ComPtr.h"
#include "platform/Module.h"

class TPluginModule {
 public:
  // The plug-in file built beside the running executable.
  static std::string DefaultPath();

  // Loads the file; throws EQuillError when it cannot be loaded or lacks an export.
  explicit TPluginModule(const std::string& path);
  // The library stays loaded: drivers handed out must outlive every reference the caller holds.
  ~TPluginModule() = default;
  TPluginModule(const TPluginModule&) = delete;
  TPluginModule& operator=(const TPluginModule&) = delete;

  const std::string& Path() const { return FPath; }
  std::int32_t DriverCount() const;
  // The driver of `kind`, or empty for a kind the plug-in does not serve.
  TComPtr<IDispatch> Driver(std::int32_t kind) const;

  using GetCountFn = HRESULT (*)(std::int32_t*);
  using GetDriverFn = HRESULT (*)(std::int32_t, IDispatch**);
  GetCountFn CountExport() const { return FGetCount; }
  GetDriverFn DriverExport() const { return FGetDriver; }

 private:
  std::string FPath;
  platform::ModuleHandle FModule = nullptr;
  GetCountFn FGetCount = nullptr;
  GetDriverFn FGetDriver = nullptr;
};
