#include "host/AbstractDeviceInformation.h"

#include "platform/Text.h"

bool TAbstractDeviceInformation::IsServiceSupported(std::string_view name) {
  return text::EqualsNoCase(name, "DeviceInformation") || TAbstractSupportService::IsServiceSupported(name);
}

HRESULT STDMETHODCALLTYPE TAbstractDeviceInformation::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                                             DISPPARAMS* params, VARIANT* result,
                                                             EXCEPINFO* excepInfo, UINT* argErr) {
  static const TDispatchTable<TAbstractDeviceInformation> table{
      {503379, Op<&TAbstractDeviceInformation::GetIdCode>},
      {503380, Op<&TAbstractDeviceInformation::GetDeviceName>},
      {503381, Op<&TAbstractDeviceInformation::GetDeviceDescription>},
      {503382, Op<&TAbstractDeviceInformation::GetFamilyName>},
      {503383, Op<&TAbstractDeviceInformation::GetFamilyDescription>},
      {503384, Op<&TAbstractDeviceInformation::GetLibraryName>},
      {503385, Op<&TAbstractDeviceInformation::GetVendorPrimitiveLibraryName>},
      {503386, Op<&TAbstractDeviceInformation::GetBaseName>},
      {503387, Op<&TAbstractDeviceInformation::GetEquivalentGatesForBase>},
      {503388, Op<&TAbstractDeviceInformation::GetMaxIOForBase>},
      {503389, Op<&TAbstractDeviceInformation::GetPackageTypeId>},
      {503390, Op<&TAbstractDeviceInformation::GetPackageTypeName>},
      {503391, Op<&TAbstractDeviceInformation::GetPackageTypeDescription>},
      {503392, Op<&TAbstractDeviceInformation::GetPackageId>},
      {503393, Op<&TAbstractDeviceInformation::GetPackageName>},
      {503394, Op<&TAbstractDeviceInformation::GetPackageDescription>},
      {503395, Op<&TAbstractDeviceInformation::GetPackageDimensions>},
      {503396, Op<&TAbstractDeviceInformation::GetTemperatureGradeId>},
      {503397, Op<&TAbstractDeviceInformation::GetTemperatureGradeName>},
      {503398, Op<&TAbstractDeviceInformation::GetTemperatureGradeDescription>},
      {503399, Op<&TAbstractDeviceInformation::GetSpeedGradeId>},
      {503400, Op<&TAbstractDeviceInformation::GetSpeedGradeName>},
      {503401, Op<&TAbstractDeviceInformation::GetSpeedGradeDescription>},
      {503402, Op<&TAbstractDeviceInformation::GetOptionDesignatorId>},
      {503403, Op<&TAbstractDeviceInformation::GetOptionDesignatorName>},
      {503404, Op<&TAbstractDeviceInformation::GetOptionDesignatorDescription>},
      {503405, Op<&TAbstractDeviceInformation::GetBSDLFilename>},
      {503406, Op<&TAbstractDeviceInformation::GetBSDLEntity>},
      {503407, Op<&TAbstractDeviceInformation::GetVendorName>},
      {503408, Op<&TAbstractDeviceInformation::GetInstructionLength>},
      {503409, Op<&TAbstractDeviceInformation::GetDevicePinCount>},
      {503410, Op<&TAbstractDeviceInformation::GetDeviceIOCount>},
      {503411, Op<&TAbstractDeviceInformation::GetDevicePin>},
      {503412, Op<&TAbstractDeviceInformation::GetDownloadFileExtensions>},
      {503413, Op<&TAbstractDeviceInformation::GetDSPMultiplierCount>},
      {503414, Op<&TAbstractDeviceInformation::GetClockManagerCount>},
      {503415, Op<&TAbstractDeviceInformation::GetMemorySize>},
      {503416, Op<&TAbstractDeviceInformation::GetTerminationSupport>},
      {503417, Op<&TAbstractDeviceInformation::GetGlobalClockCount>},
      {503418, Op<&TAbstractDeviceInformation::GetConfigMemorySize>},
      {503419, Op<&TAbstractDeviceInformation::GetDiffPairCount>},
      {503420, Op<&TAbstractDeviceInformation::GetHighSpeedDiffPairCount>},
      {503421, Op<&TAbstractDeviceInformation::GetIOStandardCount>},
      {503422, Op<&TAbstractDeviceInformation::GetIOStandard>},
      {503423, Op<&TAbstractDeviceInformation::GetDeviceDisplayName>},
      {503424, Op<&TAbstractDeviceInformation::GetDeviceParameter>},
  };
  HRESULT status = S_OK;
  if (table.Dispatch(*this, id, params, result, status)) return status;
  return TAbstractSupportService::Invoke(id, riid, locale, flags, params, result, excepInfo, argErr);
}
