#include "host/AbstractDeviceIOStandard.h"

#include "platform/Text.h"

bool TAbstractDeviceIOStandard::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "DeviceIOStandard") || TAbstractSupportService::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractDeviceIOStandard::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                            DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                                            UINT* argErr) {
  static const TDispatchTable<TAbstractDeviceIOStandard> table{
      {503519, Op<&TAbstractDeviceIOStandard::GetDisplayName>},
      {503520, Op<&TAbstractDeviceIOStandard::GetParamName>},
      {503521, Op<&TAbstractDeviceIOStandard::GetSlewCount>},
      {503522, Op<&TAbstractDeviceIOStandard::GetSlewValue>},
      {503523, Op<&TAbstractDeviceIOStandard::GetDriveCount>},
      {503524, Op<&TAbstractDeviceIOStandard::GetDriveStrength>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}
