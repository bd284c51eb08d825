// TAbstractTargetCoreGenerator: writes a finished clock core into a text file the host has
// created (DISPID 509469), service name "TargetCoreGenerator".
#pragma once

#include "host/SupportService.h"

class TAbstractTargetCoreGenerator : public TAbstractSupportService {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual void GenerateTargetCore(TComPtr<IDispatch> TextFile, TComPtr<IDispatch> TargetCore) = 0;  // 509469
};
