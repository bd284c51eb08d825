#include "host/AbstractDevicePin.h"

#include "platform/Text.h"

bool TAbstractDevicePin::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "DevicePin") || TAbstractSupportService::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractDevicePin::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* excepInfo,
                                                     UINT* argErr) {
  using P = TAbstractDevicePin;
  static const TDispatchTable<P> table{
      {503525, Op<&P::GetPinNumber>},
      {503526, Op<&P::GetIOBank>},
      {503527, Op<&P::GetIsIOPin>},
      {503528, Op<&P::GetIsCLKPin>},
      {503529, Op<&P::GetIsVREFPin>},
      {503530, Op<&P::GetIsSpecialPin>},
      {503531, Op<&P::GetIOStandardCount>},
      {503532, Op<&P::GetIOStandard>},
      {503533, Op<&P::GetIsInputOnlyPin>},
      {503534, Op<&P::GetIsDCIP_Pin>},
      {503535, Op<&P::GetIsDCIN_Pin>},
      {503536, Op<&P::GetIsDiffP_Pin>},
      {503537, Op<&P::GetIsDiffN_Pin>},
      {503538, Op<&P::GetIsHDiffP_Pin>},
      {503539, Op<&P::GetIsHDiffN_Pin>},
      {503540, Op<&P::GetIsTransmitDiffPin>},
      {503541, Op<&P::GetIsReceiveDiffPin>},
      {503542, Op<&P::GetIsClkDiffP_Pin>},
      {503543, Op<&P::GetIsClkDiffN_Pin>},
      {503544, Op<&P::GetIsDLLPin>},
      {503545, Op<&P::GetDifferentialId>},
      {503546, Op<&P::GetClkDifferentialId>},
      {503547, Op<&P::GetUniqueDifferentialID>},
      {503548, Op<&P::GetIsPosPinOfDiffPair>},
      {503549, Op<&P::GetIsNegPinOfDiffPair>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}
