// TQuillAbstractDevicePin: the framework's base of a package pin. Pins are owned by their
// driver and freed with it, so AddRef and Release do not count. The differential-pair
// answers are computed through the virtual flag operations, so a subclass that changes a
// flag changes the pair answers with it; every other operation answers "nothing".
#pragma once

#include "host/AbstractDevicePin.h"

class TQuillAbstractDevicePin : public TAbstractDevicePin {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(-1); }

  std::string GetPinNumber() override { return {}; }
  std::string GetIOBank() override { return {}; }
  bool GetIsIOPin() override { return false; }
  bool GetIsCLKPin() override { return false; }
  bool GetIsVREFPin() override { return false; }
  bool GetIsSpecialPin() override { return false; }
  std::int32_t GetIOStandardCount() override { return 0; }
  TComPtr<IDispatch> GetIOStandard(std::int32_t) override { return {}; }
  bool GetIsInputOnlyPin() override { return false; }
  bool GetIsDCIP_Pin() override { return false; }
  bool GetIsDCIN_Pin() override { return false; }
  bool GetIsDiffP_Pin() override { return false; }
  bool GetIsDiffN_Pin() override { return false; }
  bool GetIsHDiffP_Pin() override { return false; }
  bool GetIsHDiffN_Pin() override { return false; }
  bool GetIsTransmitDiffPin() override { return false; }
  bool GetIsReceiveDiffPin() override { return false; }
  bool GetIsClkDiffP_Pin() override { return false; }
  bool GetIsClkDiffN_Pin() override { return false; }
  bool GetIsDLLPin() override { return false; }
  std::string GetDifferentialId() override { return {}; }
  std::string GetClkDifferentialId() override { return {}; }

  // Bank "|" pair "|" clock pair: the two pins of a pair answer the same text.
  std::string GetUniqueDifferentialID() override;
  bool GetIsPosPinOfDiffPair() override;
  bool GetIsNegPinOfDiffPair() override;
};
