#include "devices/QuillAbstractDevicePin.h"

std::string TQuillAbstractDevicePin::GetUniqueDifferentialID() {
  return GetIOBank() + "|" + GetDifferentialId() + "|" + GetClkDifferentialId();
}

bool TQuillAbstractDevicePin::GetIsPosPinOfDiffPair() {
  return GetIsDiffP_Pin() || GetIsHDiffP_Pin() || GetIsDCIP_Pin() || GetIsClkDiffP_Pin();
}

bool TQuillAbstractDevicePin::GetIsNegPinOfDiffPair() {
  return GetIsDiffN_Pin() || GetIsHDiffN_Pin() || GetIsDCIN_Pin() || GetIsClkDiffN_Pin();
}
