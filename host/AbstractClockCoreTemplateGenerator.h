// TAbstractClockCoreTemplateGenerator: fills the attribute template of the host's clock wizard
// (DISPID 509426), service name "ClockCoreTemplateGenerator".
#pragma once

#include "host/SupportService.h"

class TAbstractClockCoreTemplateGenerator : public TAbstractSupportService {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual bool FillTemplate(TComPtr<IDispatch> Template) = 0;  // 509426
};
