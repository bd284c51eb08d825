// TAbstractSupportService: the root of every host-visible object. It answers DISPID 1023
// (SupportsService) and "not implemented" for every other DISPID; subclasses handle their
// own DISPIDs in Invoke and hand the rest to their parent.
#pragma once

#include <string_view>

#include "host/Dispatch.h"
#include "host/ReferencedObject.h"

extern const IID IID_ISupportService;  // {1DEBA58E-0DF5-4081-93E9-0C1732E7DFAE}

constexpr DISPID kDispId_SupportsService = 1023;

struct ISupportService : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SupportsService(BSTR name, VARIANT_BOOL* result) = 0;

 protected:
  ~ISupportService() = default;
};

class TAbstractSupportService : public TDispatchObject, public ISupportService {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  HRESULT STDMETHODCALLTYPE SupportsService(BSTR name, VARIANT_BOOL* result) override;

  // True when this class or one of its parents carries the service name (compared without case).
  virtual bool IsServiceSupported(std::string_view name);

  IDispatch* AsDispatch() { return static_cast<IDispatch*>(static_cast<TDispatchObject*>(this)); }

 protected:
  void* FindInterface(REFIID riid) override;

 private:
  bool SupportsServiceOp(const std::string& name) { return IsServiceSupported(name); }
};
