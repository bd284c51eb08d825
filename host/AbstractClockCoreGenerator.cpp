#include "host/AbstractClockCoreGenerator.h"

#include "platform/Text.h"

bool TAbstractClockCoreGenerator::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "ClockCoreGenerator") || TAbstractSupportService::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractClockCoreGenerator::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                              DISPPARAMS* params, VARIANT* result,
                                                              EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TAbstractClockCoreGenerator> table{
      {509375, Op<&TAbstractClockCoreGenerator::IsValidClockCore>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}
