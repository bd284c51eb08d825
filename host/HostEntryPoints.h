// The entry points through which the plug-in reaches the host's services. The host's
// executable exports ClientAPI_GetClientInterface; its modules export the rest. Each is looked
// up once in the running process and cached; a missing export answers none.
//
// Every getter export returns a new reference (the caller releases it) or null.
#pragma once

#include <cstdint>

#include "host/ComPtr.h"
#include "platform/OleAuto.h"

using THostGetObjectFn = IDispatch* (*)();
using THostGetJTagPortCountFn = std::int32_t (*)();
using THostGetJTagPortFn = IDispatch* (*)(std::int32_t index);

namespace host_exports {
constexpr const char* kGetClientInterface = "ClientAPI_GetClientInterface";
constexpr const char* kGetWorkspace = "GetWorkspace";
constexpr const char* kGetDeviceManager = "GetDeviceManager";
constexpr const char* kGetJTagPortCount = "GetJTagPortCount";
constexpr const char* kGetJTagPort = "GetJTagPort";
constexpr const char* kGetModelTypeManager = "LibApi_GetModelTypeManager";
constexpr const char* kGetLibraryManager = "LibApi_GetLibraryManager";
constexpr const char* kGetEditVHDLSynthesizer = "GetEditVHDLSynthesizer";
constexpr const char* kGetQuillWorkspace = "GetQuillWorkspace";
}  // namespace host_exports

// The raw objects the entry points answer (empty when the export or the object is missing).
TComPtr<IDispatch> HostClientObject();
TComPtr<IDispatch> HostWorkspaceObject();
TComPtr<IDispatch> HostDeviceManagerObject();
std::int32_t HostJTagPortCount();  // 0 when the export is missing
TComPtr<IDispatch> HostJTagPort(std::int32_t index);
TComPtr<IDispatch> HostModelTypeManagerObject();
TComPtr<IDispatch> HostLibraryManagerObject();
// These two load their host modules first ("EDITVHDL", "FPGAFlow") through the client.
TComPtr<IDispatch> HostVHDLSynthesizerObject();
TComPtr<IDispatch> HostQuillWorkspaceObject();
