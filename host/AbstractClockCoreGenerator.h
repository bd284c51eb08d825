// TAbstractClockCoreGenerator: the object through which the host's clock wizard asks whether
// a requested clock configuration is achievable (DISPID 509375), service name
// "ClockCoreGenerator".
#pragma once

#include "host/SupportService.h"

class TAbstractClockCoreGenerator : public TAbstractSupportService {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual bool IsValidClockCore(TComPtr<IDispatch> ClockCore) = 0;  // 509375
};
