// The plug-in's two exports. Everything else in the library is hidden.
#include "devices/Device_Artix7_Data.h"
#include "platform/Export.h"
#include "plugin/Device_Artix7_Driver.h"

QUILL_EXPORT HRESULT QUILL_STDCALL GetQuillDriver_Plugin(std::int32_t Kind, IDispatch** Driver) {
  if (Driver == nullptr) return E_UNEXPECTED;
  *Driver = nullptr;
  try {
    if (TDevice_Artix7Driver* driver = CreateArtix7Driver(Kind)) *Driver = driver->AsDispatch();
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

QUILL_EXPORT HRESULT QUILL_STDCALL GetQuillDriverCount(std::int32_t* Count) {
  if (Count == nullptr) return E_UNEXPECTED;
  *Count = kDeviceKindCount;
  return S_OK;
}
