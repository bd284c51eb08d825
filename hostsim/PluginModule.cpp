#include "hostsim/PluginModule.h"

#include <filesystem>

#include "host/QuillError.h"

std::string TPluginModule::DefaultPath() {
  const std::filesystem::path exe = platform::ExecutableFile();
  return (exe.parent_path() / "Device_Artix7.QLL").string();
}

TPluginModule::TPluginModule(const std::string& path) : FPath(path) {
  std::string error;
  FModule = platform::LoadModule(path, &error);
  if (FModule == nullptr) throw EQuillError("cannot load plug-in " + path + ": " + error);
  FGetCount = reinterpret_cast<GetCountFn>(platform::FindExport(FModule, "GetQuillDriverCount"));
  FGetDriver = reinterpret_cast<GetDriverFn>(platform::FindExport(FModule, "GetQuillDriver_Plugin"));
  if (FGetCount == nullptr || FGetDriver == nullptr)
    throw EQuillError(path + " does not export GetQuillDriverCount and GetQuillDriver_Plugin");
}

std::int32_t TPluginModule::DriverCount() const {
  std::int32_t count = 0;
  const HRESULT hr = FGetCount(&count);
  if (FAILED(hr)) throw EQuillError("GetQuillDriverCount failed");
  return count;
}

TComPtr<IDispatch> TPluginModule::Driver(std::int32_t kind) const {
  IDispatch* driver = nullptr;
  const HRESULT hr = FGetDriver(kind, &driver);
  if (FAILED(hr)) throw EQuillError("GetQuillDriver_Plugin failed");
  return TComPtr<IDispatch>::Adopt(driver);
}
