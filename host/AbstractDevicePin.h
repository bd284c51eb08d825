// TAbstractDevicePin: a package pin as the host sees it (DISPIDs 503525-503549, in slot
// order), service name "DevicePin".
#pragma once

#include <cstdint>
#include <string>

#include "host/SupportService.h"

class TAbstractDevicePin : public TAbstractSupportService {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual std::string GetPinNumber() = 0;  // 503525
  virtual std::string GetIOBank() = 0;  // 503526
  virtual bool GetIsIOPin() = 0;  // 503527
  virtual bool GetIsCLKPin() = 0;  // 503528
  virtual bool GetIsVREFPin() = 0;  // 503529
  virtual bool GetIsSpecialPin() = 0;  // 503530
  virtual std::int32_t GetIOStandardCount() = 0;  // 503531
  virtual TComPtr<IDispatch> GetIOStandard(std::int32_t Index) = 0;  // 503532
  virtual bool GetIsInputOnlyPin() = 0;  // 503533
  virtual bool GetIsDCIP_Pin() = 0;  // 503534
  virtual bool GetIsDCIN_Pin() = 0;  // 503535
  virtual bool GetIsDiffP_Pin() = 0;  // 503536
  virtual bool GetIsDiffN_Pin() = 0;  // 503537
  virtual bool GetIsHDiffP_Pin() = 0;  // 503538
  virtual bool GetIsHDiffN_Pin() = 0;  // 503539
  virtual bool GetIsTransmitDiffPin() = 0;  // 503540
  virtual bool GetIsReceiveDiffPin() = 0;  // 503541
  virtual bool GetIsClkDiffP_Pin() = 0;  // 503542
  virtual bool GetIsClkDiffN_Pin() = 0;  // 503543
  virtual bool GetIsDLLPin() = 0;  // 503544
  virtual std::string GetDifferentialId() = 0;  // 503545
  virtual std::string GetClkDifferentialId() = 0;  // 503546
  virtual std::string GetUniqueDifferentialID() = 0;  // 503547
  virtual bool GetIsPosPinOfDiffPair() = 0;  // 503548
  virtual bool GetIsNegPinOfDiffPair() = 0;  // 503549
};
