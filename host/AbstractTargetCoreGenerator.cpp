#include "host/AbstractTargetCoreGenerator.h"

#include "platform/Text.h"

bool TAbstractTargetCoreGenerator::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "TargetCoreGenerator") || TAbstractSupportService::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractTargetCoreGenerator::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                               DISPPARAMS* params, VARIANT* result,
                                                               EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TAbstractTargetCoreGenerator> table{
      {509469, Op<&TAbstractTargetCoreGenerator::GenerateTargetCore>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}
