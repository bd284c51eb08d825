#include "host/AbstractClockCoreTemplateGenerator.h"

#include "platform/Text.h"

bool TAbstractClockCoreTemplateGenerator::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "ClockCoreTemplateGenerator") || TAbstractSupportService::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractClockCoreTemplateGenerator::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                                      DISPPARAMS* params, VARIANT* result,
                                                                      EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TAbstractClockCoreTemplateGenerator> table{
      {509426, Op<&TAbstractClockCoreTemplateGenerator::FillTemplate>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}
