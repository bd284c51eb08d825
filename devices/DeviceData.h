// TDeviceData: one concrete Artix-7 part. Every device-information operation answers from the
// constant catalogue tables, indexed by the driver's kind.
#pragma once

#include <memory>
#include <vector>

#include "bsdl/BSDLBuilder.h"
#include "bsdl/BSDLDataList.h"
#include "devices/DevicePinData.h"
#include "devices/DevicePinSets.h"
#include "devices/Device_Artix7_Data.h"
#include "devices/QuillDriver.h"

class TDeviceData : public TQuillDriver {
 public:
  TDeviceData(TDeviceKind kind, std::string coreExt);

  TDeviceKind Kind() const { return FKind; }
  const TDeviceParameters& Parameters() const { return kDevices[FKind]; }

  std::uint32_t GetIdCode() override;
  std::string GetDeviceName() override;
  std::string GetDeviceDescription() override;
  std::string GetFamilyName() override;
  std::string GetFamilyDescription() override;
  std::string GetLibraryName() override;
  std::string GetBaseName() override;
  std::int32_t GetEquivalentGatesForBase() override;
  std::int32_t GetMaxIOForBase() override;
  std::string GetPackageTypeId() override;
  std::string GetPackageTypeName() override;
  std::string GetPackageTypeDescription() override;
  std::string GetPackageId() override;
  std::string GetPackageName() override;
  std::string GetPackageDescription() override;
  std::string GetPackageDimensions() override;
  std::string GetTemperatureGradeId() override;
  std::string GetTemperatureGradeName() override;
  std::string GetTemperatureGradeDescription() override;
  std::string GetSpeedGradeId() override;
  std::string GetSpeedGradeName() override;
  std::string GetSpeedGradeDescription() override;
  std::string GetOptionDesignatorId() override;
  std::string GetOptionDesignatorName() override;
  std::string GetOptionDesignatorDescription() override;
  std::string GetBSDLFilename() override;
  TComPtr<IDispatch> GetBSDLEntity() override;
  std::string GetVendorName() override;
  std::int32_t GetInstructionLength() override;
  std::int32_t GetDSPMultiplierCount() override;
  std::int32_t GetClockManagerCount() override;
  std::int32_t GetMemorySize() override;
  bool GetTerminationSupport() override;
  std::int32_t GetGlobalClockCount() override;
  std::int32_t GetConfigMemorySize() override;
  std::int32_t GetDevicePinCount() override;
  std::int32_t GetDeviceIOCount() override;
  TComPtr<IDispatch> GetDevicePin(std::int32_t Index) override;
  std::int32_t GetDiffPairCount() override;
  std::int32_t GetHighSpeedDiffPairCount() override;
  std::int32_t GetIOStandardCount() override;
  TComPtr<IDispatch> GetIOStandard(std::int32_t Index) override;

 protected:
  bool IsCPLD() override { return false; }
  bool IsFPGA() override { return true; }
  bool IsPROM() override { return false; }

 private:
  const TDevicePackageParameters& Resources() const { return kDevicePackages[Parameters().DevicePackage]; }
  const TPinSetParameters& PinSet() const { return PinSetParameters(Parameters().PinSet); }

  TDeviceKind FKind;
  // One object per row of the pin set, created on the first GetDevicePin, freed with the driver.
  std::vector<std::unique_ptr<TDevicePinData>> FPins;
  // The boundary-scan entities of this driver, and the caches used while one is built.
  TBSDLDataList BSDLDataList;
  TBSDLBuildCaches BSDLBuildCaches;
};
