#include "host/HostEntryPoints.h"

#include "host/HostClient.h"
#include "platform/Module.h"

namespace {

template <class Fn>
Fn LookUp(const char* name) {
  return reinterpret_cast<Fn>(platform::FindProcessExport(name));
}

TComPtr<IDispatch> Adopt(THostGetObjectFn fn) {
  return fn != nullptr ? TComPtr<IDispatch>::Adopt(fn()) : TComPtr<IDispatch>();
}

}  // namespace

TComPtr<IDispatch> HostClientObject() {
  static const auto fn = LookUp<THostGetObjectFn>(host_exports::kGetClientInterface);
  return Adopt(fn);
}

TComPtr<IDispatch> HostWorkspaceObject() {
  static const auto fn = LookUp<THostGetObjectFn>(host_exports::kGetWorkspace);
  return Adopt(fn);
}

TComPtr<IDispatch> HostDeviceManagerObject() {
  static const auto fn = LookUp<THostGetObjectFn>(host_exports::kGetDeviceManager);
  return Adopt(fn);
}

std::int32_t HostJTagPortCount() {
  static const auto fn = LookUp<THostGetJTagPortCountFn>(host_exports::kGetJTagPortCount);
  return fn != nullptr ? fn() : 0;
}

TComPtr<IDispatch> HostJTagPort(std::int32_t index) {
  static const auto fn = LookUp<THostGetJTagPortFn>(host_exports::kGetJTagPort);
  return fn != nullptr ? TComPtr<IDispatch>::Adopt(fn(index)) : TComPtr<IDispatch>();
}

TComPtr<IDispatch> HostModelTypeManagerObject() {
  static const auto fn = LookUp<THostGetObjectFn>(host_exports::kGetModelTypeManager);
  return Adopt(fn);
}

TComPtr<IDispatch> HostLibraryManagerObject() {
  static const auto fn = LookUp<THostGetObjectFn>(host_exports::kGetLibraryManager);
  return Adopt(fn);
}

TComPtr<IDispatch> HostVHDLSynthesizerObject() {
  static const auto fn = LookUp<THostGetObjectFn>(host_exports::kGetEditVHDLSynthesizer);
  if (!HostClient().LoadModule("EDITVHDL")) return {};
  return Adopt(fn);
}

TComPtr<IDispatch> HostQuillWorkspaceObject() {
  static const auto fn = LookUp<THostGetObjectFn>(host_exports::kGetQuillWorkspace);
  if (!HostClient().LoadModule("FPGAFlow")) return {};
  return Adopt(fn);
}
