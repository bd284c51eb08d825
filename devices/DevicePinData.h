// TDevicePinData: one package pin, answering from row FIndex of the pin table of FPinSet.
#pragma once

#include "devices/DevicePinSets.h"
#include "devices/QuillAbstractDevicePin.h"

class TDevicePinData : public TQuillAbstractDevicePin {
 public:
  // An `AnIndex` outside the rows of `APinSet` gives a pin that answers nothing.
  TDevicePinData(TDevicePinSet APinSet, std::int32_t AnIndex);

  TDevicePinSet PinSet() const { return FPinSet; }
  std::int32_t Index() const { return FIndex; }

  std::string GetPinNumber() override;
  std::string GetIOBank() override;
  bool GetIsIOPin() override { return Has(ePinOption_IO); }
  bool GetIsCLKPin() override { return Has(ePinOption_CLK); }
  bool GetIsVREFPin() override { return Has(ePinOption_VREF); }
  bool GetIsSpecialPin() override { return Has(ePinOption_Special); }
  std::int32_t GetIOStandardCount() override;
  TComPtr<IDispatch> GetIOStandard(std::int32_t Index) override;
  bool GetIsInputOnlyPin() override { return Has(ePinOption_InputOnly); }
  bool GetIsDCIP_Pin() override { return Has(ePinOption_DCIP); }
  bool GetIsDCIN_Pin() override { return Has(ePinOption_DCIN); }
  bool GetIsDiffP_Pin() override { return Has(ePinOption_DiffP); }
  bool GetIsDiffN_Pin() override { return Has(ePinOption_DiffN); }
  bool GetIsHDiffP_Pin() override { return Has(ePinOption_HDiffP); }
  bool GetIsHDiffN_Pin() override { return Has(ePinOption_HDiffN); }
  bool GetIsTransmitDiffPin() override { return Has(ePinOption_TransmitDiff); }
  bool GetIsReceiveDiffPin() override { return Has(ePinOption_ReceiveDiff); }
  bool GetIsClkDiffP_Pin() override { return Has(ePinOption_ClkDiffP); }
  bool GetIsClkDiffN_Pin() override { return Has(ePinOption_ClkDiffN); }
  bool GetIsDLLPin() override { return Has(ePinOption_DLL); }
  std::string GetDifferentialId() override;
  std::string GetClkDifferentialId() override;

 private:
  const TPinParameters& Row() const { return *FRow; }
  bool Has(TPinOption option) const { return HasPinOption(Row().Options, option); }

  TDevicePinSet FPinSet;
  std::int32_t FIndex;
  const TPinParameters* FRow;  // row FIndex of FPinSet (or an empty row), looked up once
};
