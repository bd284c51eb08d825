#include "hostsim/SimObject.h"

HRESULT STDMETHODCALLTYPE TSimObject::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                             VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  FLog->Record(FName, id, params);
  HRESULT status = S_OK;
  if (DispatchOwn(id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}
