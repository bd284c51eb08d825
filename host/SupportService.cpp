#include "host/SupportService.h"

const IID IID_ISupportService = {0x1DEBA58E, 0x0DF5, 0x4081, {0x93, 0xE9, 0x0C, 0x17, 0x32, 0xE7, 0xDF, 0xAE}};

HRESULT STDMETHODCALLTYPE TAbstractSupportService::QueryInterface(REFIID riid, void** object) {
  return TDispatchObject::QueryInterface(riid, object);
}
ULONG STDMETHODCALLTYPE TAbstractSupportService::AddRef() { return TDispatchObject::AddRef(); }
ULONG STDMETHODCALLTYPE TAbstractSupportService::Release() { return TDispatchObject::Release(); }

void* TAbstractSupportService::FindInterface(REFIID riid) {
  if (riid == IID_ISupportService) return static_cast<ISupportService*>(this);
  return TDispatchObject::FindInterface(riid);
}

bool TAbstractSupportService::IsServiceSupported(std::string_view) { return false; }

HRESULT STDMETHODCALLTYPE TAbstractSupportService::SupportsService(BSTR name, VARIANT_BOOL* result) {
  try {
    const bool supported = IsServiceSupported(BstrToUtf8(name));
    if (result != nullptr) *result = supported ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

HRESULT STDMETHODCALLTYPE TAbstractSupportService::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params,
                                                          VARIANT* result, EXCEPINFO*, UINT*) {
  static const TDispatchTable<TAbstractSupportService> table{
      {kDispId_SupportsService, Op<&TAbstractSupportService::SupportsServiceOp>},
  };
  HRESULT status = E_NOTIMPL;
  table.Dispatch(*this, id, params, result, status);
  return status;
}
