#include "devices/DevicePinData.h"

namespace {
constexpr TPinParameters kNoRow{};
}  // namespace

TDevicePinData::TDevicePinData(TDevicePinSet APinSet, std::int32_t AnIndex)
    : FPinSet(APinSet), FIndex(AnIndex), FRow(PinRow(APinSet, AnIndex)) {
  if (FRow == nullptr) FRow = &kNoRow;
}

std::string TDevicePinData::GetPinNumber() { return std::string(Row().PinNumber); }
std::string TDevicePinData::GetIOBank() { return std::string(Row().Bank); }
std::string TDevicePinData::GetDifferentialId() { return std::string(Row().DiffId); }
std::string TDevicePinData::GetClkDifferentialId() { return std::string(Row().ClkDiffId); }

std::int32_t TDevicePinData::GetIOStandardCount() { return IOStandardSetCount(Row().Standards); }

TComPtr<IDispatch> TDevicePinData::GetIOStandard(std::int32_t Index) {
  TDeviceIOStandardData* standard = IOStandardOfSet(Row().Standards, Index);
  return standard != nullptr ? TComPtr<IDispatch>(standard->AsDispatch()) : TComPtr<IDispatch>();
}
