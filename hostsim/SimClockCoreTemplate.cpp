#include "hostsim/SimClockCoreTemplate.h"

namespace {

template <class T>
TComPtr<IDispatch> ItemAt(const std::vector<TComPtr<T>>& items, std::int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return {};
  return items[static_cast<std::size_t>(index)];
}

}  // namespace

HRESULT STDMETHODCALLTYPE TSimClockModifierTarget::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                          DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                                          UINT* argErr) {
  static const TDispatchTable<TSimClockModifierTarget> table{
      {509439, Op<&TSimClockModifierTarget::GetName>},
      {509441, Op<&TSimClockModifierTarget::GetFrequency>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

HRESULT STDMETHODCALLTYPE TSimClockOutputActual::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                        DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                                        UINT* argErr) {
  static const TDispatchTable<TSimClockOutputActual> table{
      {509449, Op<&TSimClockOutputActual::GetName>},
      {509450, Op<&TSimClockOutputActual::GetMultiply>},
      {509451, Op<&TSimClockOutputActual::GetDivide>},
      {509452, Op<&TSimClockOutputActual::GetPhase>},
      {509454, Op<&TSimClockOutputActual::GetTargetIndex>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

HRESULT STDMETHODCALLTYPE TSimClockCoreTemplate::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                        DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                                        UINT* argErr) {
  static const TDispatchTable<TSimClockCoreTemplate> table{
      {509455, Op<&TSimClockCoreTemplate::SetAttribute>},
      {509457, Op<&TSimClockCoreTemplate::GetInputTarget>},
      {509458, Op<&TSimClockCoreTemplate::GetOutputTargetCount>},
      {509459, Op<&TSimClockCoreTemplate::GetOutputTarget>},
      {509460, Op<&TSimClockCoreTemplate::GetActualCount>},
      {509461, Op<&TSimClockCoreTemplate::GetActual>},
      {509462, Op<&TSimClockCoreTemplate::PrepareTemplate>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}

void TSimClockCoreTemplate::AddInputTarget(const std::string& name, double frequency) {
  FInputTargets.push_back(MakeObject<TSimClockModifierTarget>(name, frequency));
}
void TSimClockCoreTemplate::AddOutputTarget(const std::string& name, double frequency) {
  FOutputTargets.push_back(MakeObject<TSimClockModifierTarget>(name, frequency));
}
void TSimClockCoreTemplate::AddActual(const TSimOutputActualData& data) {
  FActuals.push_back(MakeObject<TSimClockOutputActual>(data));
}

const TSimTemplateAttribute* TSimClockCoreTemplate::Attribute(const std::string& name) const {
  for (auto it = FAttributes.rbegin(); it != FAttributes.rend(); ++it)
    if (it->Name == name) return &*it;
  return nullptr;
}

void TSimClockCoreTemplate::SetAttribute(const std::string& name, bool used, const std::string& value) {
  FAttributes.push_back({name, used, value});
}
TComPtr<IDispatch> TSimClockCoreTemplate::GetInputTarget(std::int32_t index) { return ItemAt(FInputTargets, index); }
std::int32_t TSimClockCoreTemplate::GetOutputTargetCount() { return static_cast<std::int32_t>(FOutputTargets.size()); }
TComPtr<IDispatch> TSimClockCoreTemplate::GetOutputTarget(std::int32_t index) { return ItemAt(FOutputTargets, index); }
std::int32_t TSimClockCoreTemplate::GetActualCount() { return static_cast<std::int32_t>(FActuals.size()); }
TComPtr<IDispatch> TSimClockCoreTemplate::GetActual(std::int32_t index) { return ItemAt(FActuals, index); }
void TSimClockCoreTemplate::PrepareTemplate() { FPreparedAfter.push_back(FAttributes.size()); }
