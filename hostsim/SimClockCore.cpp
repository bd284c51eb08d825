#include "hostsim/SimClockCore.h"

HRESULT STDMETHODCALLTYPE TSimClockModifierData::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                        DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                                        UINT* argErr) {
  static const TDispatchTable<TSimClockModifierData> table{
      {509430, Op<&TSimClockModifierData::GetMultiply>},
      {509431, Op<&TSimClockModifierData::GetDivide>},
      {509433, Op<&TSimClockModifierData::GetInputFrequency>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

HRESULT STDMETHODCALLTYPE TSimClockCore::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                                VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TSimClockCore> table{
      {509438, Op<&TSimClockCore::GetModifierData>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

void TSimClockCore::AddModifier(const std::string& name, double multiply, double divide, double inputFrequency) {
  FModifiers[name] = MakeObject<TSimClockModifierData>(multiply, divide, inputFrequency);
}

TComPtr<IDispatch> TSimClockCore::GetModifierData(const std::string& name) {
  const auto it = FModifiers.find(name);
  if (it == FModifiers.end()) return {};
  return it->second;
}
