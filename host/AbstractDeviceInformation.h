// TAbstractDeviceInformation: the device-information operations a host asks of a driver,
// in slot order, with their DISPIDs (503379-503424). Service name "DeviceInformation".
#pragma once

#include <cstdint>
#include <string>

#include "host/SupportService.h"

class TAbstractDeviceInformation : public TAbstractSupportService {
 public:
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;
  bool IsServiceSupported(std::string_view name) override;

  virtual std::uint32_t GetIdCode() = 0;  // 503379
  virtual std::string GetDeviceName() = 0;  // 503380
  virtual std::string GetDeviceDescription() = 0;  // 503381
  virtual std::string GetFamilyName() = 0;  // 503382
  virtual std::string GetFamilyDescription() = 0;  // 503383
  virtual std::string GetLibraryName() = 0;  // 503384
  virtual std::string GetVendorPrimitiveLibraryName() = 0;  // 503385
  virtual std::string GetBaseName() = 0;  // 503386
  virtual std::int32_t GetEquivalentGatesForBase() = 0;  // 503387
  virtual std::int32_t GetMaxIOForBase() = 0;  // 503388
  virtual std::string GetPackageTypeId() = 0;  // 503389
  virtual std::string GetPackageTypeName() = 0;  // 503390
  virtual std::string GetPackageTypeDescription() = 0;  // 503391
  virtual std::string GetPackageId() = 0;  // 503392
  virtual std::string GetPackageName() = 0;  // 503393
  virtual std::string GetPackageDescription() = 0;  // 503394
  virtual std::string GetPackageDimensions() = 0;  // 503395
  virtual std::string GetTemperatureGradeId() = 0;  // 503396
  virtual std::string GetTemperatureGradeName() = 0;  // 503397
  virtual std::string GetTemperatureGradeDescription() = 0;  // 503398
  virtual std::string GetSpeedGradeId() = 0;  // 503399
  virtual std::string GetSpeedGradeName() = 0;  // 503400
  virtual std::string GetSpeedGradeDescription() = 0;  // 503401
  virtual std::string GetOptionDesignatorId() = 0;  // 503402
  virtual std::string GetOptionDesignatorName() = 0;  // 503403
  virtual std::string GetOptionDesignatorDescription() = 0;  // 503404
  virtual std::string GetBSDLFilename() = 0;  // 503405
  virtual TComPtr<IDispatch> GetBSDLEntity() = 0;  // 503406
  virtual std::string GetVendorName() = 0;  // 503407
  virtual std::int32_t GetInstructionLength() = 0;  // 503408
  virtual std::int32_t GetDevicePinCount() = 0;  // 503409
  virtual std::int32_t GetDeviceIOCount() = 0;  // 503410
  virtual TComPtr<IDispatch> GetDevicePin(std::int32_t Index) = 0;  // 503411
  virtual std::string GetDownloadFileExtensions() = 0;  // 503412
  virtual std::int32_t GetDSPMultiplierCount() = 0;  // 503413
  virtual std::int32_t GetClockManagerCount() = 0;  // 503414
  virtual std::int32_t GetMemorySize() = 0;  // 503415
  virtual bool GetTerminationSupport() = 0;  // 503416
  virtual std::int32_t GetGlobalClockCount() = 0;  // 503417
  virtual std::int32_t GetConfigMemorySize() = 0;  // 503418
  virtual std::int32_t GetDiffPairCount() = 0;  // 503419
  virtual std::int32_t GetHighSpeedDiffPairCount() = 0;  // 503420
  virtual std::int32_t GetIOStandardCount() = 0;  // 503421
  virtual TComPtr<IDispatch> GetIOStandard(std::int32_t Index) = 0;  // 503422
  virtual std::string GetDeviceDisplayName() = 0;  // 503423
  virtual std::string GetDeviceParameter(const std::string& Name) = 0;  // 503424
};
