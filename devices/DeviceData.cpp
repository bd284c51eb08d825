#include "devices/DeviceData.h"

#include "bsdl/BSDLFileSource.h"
#include "devices/DeviceFamilies.h"
#include "devices/DeviceIOStandards.h"

namespace {
std::string S(std::string_view v) { return std::string(v); }
}  // namespace

TDeviceData::TDeviceData(TDeviceKind kind, std::string coreExt) : TQuillDriver(std::move(coreExt)), FKind(kind) {}

std::uint32_t TDeviceData::GetIdCode() { return Parameters().IdCode; }
std::string TDeviceData::GetDeviceName() { return S(Parameters().FullName); }
std::string TDeviceData::GetDeviceDescription() {
  return GetVendorName() + " " + GetFamilyName() + " " + GetDeviceName();
}
std::string TDeviceData::GetFamilyName() { return S(kFamilyName); }
std::string TDeviceData::GetFamilyDescription() { return S(kFamilyDescription); }
std::string TDeviceData::GetLibraryName() { return S(kLibraryName); }

std::string TDeviceData::GetBaseName() { return S(kBaseNames[Parameters().BaseName].Name); }
std::int32_t TDeviceData::GetEquivalentGatesForBase() { return kBaseNames[Parameters().BaseName].EquivalentGates; }
std::int32_t TDeviceData::GetMaxIOForBase() { return kBaseNames[Parameters().BaseName].MaxIO; }

std::string TDeviceData::GetPackageTypeId() { return S(kPackageTypes[Parameters().PackageType].Id); }
std::string TDeviceData::GetPackageTypeName() { return S(kPackageTypes[Parameters().PackageType].Name); }
std::string TDeviceData::GetPackageTypeDescription() { return S(kPackageTypes[Parameters().PackageType].Description); }

std::string TDeviceData::GetPackageId() { return S(kPackages[Parameters().Package].Id); }
std::string TDeviceData::GetPackageName() { return S(kPackages[Parameters().Package].Name); }
std::string TDeviceData::GetPackageDescription() { return S(kPackages[Parameters().Package].Description); }
std::string TDeviceData::GetPackageDimensions() { return S(kPackages[Parameters().Package].Dimensions); }

std::string TDeviceData::GetTemperatureGradeId() { return S(kTemperatureGrades[Parameters().TemperatureGrade].Id); }
std::string TDeviceData::GetTemperatureGradeName() { return S(kTemperatureGrades[Parameters().TemperatureGrade].Name); }
std::string TDeviceData::GetTemperatureGradeDescription() {
  return S(kTemperatureGrades[Parameters().TemperatureGrade].Description);
}

std::string TDeviceData::GetSpeedGradeId() { return S(kSpeedGrades[Parameters().SpeedGrade].Id); }
std::string TDeviceData::GetSpeedGradeName() { return S(kSpeedGrades[Parameters().SpeedGrade].Name); }
std::string TDeviceData::GetSpeedGradeDescription() { return S(kSpeedGrades[Parameters().SpeedGrade].Description); }

std::string TDeviceData::GetOptionDesignatorId() { return S(kOptionDesignators[Parameters().OptionDesignator].Id); }
std::string TDeviceData::GetOptionDesignatorName() { return S(kOptionDesignators[Parameters().OptionDesignator].Name); }
std::string TDeviceData::GetOptionDesignatorDescription() {
  return S(kOptionDesignators[Parameters().OptionDesignator].Description);
}

std::string TDeviceData::GetBSDLFilename() { return S(Parameters().BSDL); }
TComPtr<IDispatch> TDeviceData::GetBSDLEntity() {
  SetBSDLLibraryDevice(GetVendorName(), GetFamilyName());
  TBSDLEntity* entity = BSDLDataList.GetEntity(GetBSDLFilename(), BSDLBuildCaches);
  return entity != nullptr ? TComPtr<IDispatch>(entity->AsDispatch()) : TComPtr<IDispatch>();
}

// The vendor comes from the device-family registry, which the plug-in's configuration fills.
std::string TDeviceData::GetVendorName() { return GetDeviceFamilyVendor(S(kFamilyName)); }

std::int32_t TDeviceData::GetInstructionLength() { return Parameters().InstructionLength; }

std::int32_t TDeviceData::GetDSPMultiplierCount() { return Resources().DSPMultiplierCount; }
std::int32_t TDeviceData::GetClockManagerCount() { return Resources().ClockManagerCount; }
std::int32_t TDeviceData::GetMemorySize() { return Resources().MemorySize; }
bool TDeviceData::GetTerminationSupport() { return Resources().TerminationSupport; }
std::int32_t TDeviceData::GetGlobalClockCount() { return Resources().GlobalClockCount; }
std::int32_t TDeviceData::GetConfigMemorySize() { return Resources().ConfigMemorySize; }

std::int32_t TDeviceData::GetDevicePinCount() { return PinSet().PinCount; }
std::int32_t TDeviceData::GetDeviceIOCount() { return PinSet().IOCount; }
std::int32_t TDeviceData::GetDiffPairCount() { return PinSet().DiffCount; }
std::int32_t TDeviceData::GetHighSpeedDiffPairCount() { return PinSet().HSpeedDiffCount; }

TComPtr<IDispatch> TDeviceData::GetDevicePin(std::int32_t Index) {
  const TDevicePinSet pinSet = Parameters().PinSet;
  const std::int32_t count = PinSet().PinCount;
  if (Index < 0 || Index >= count) return {};
  if (FPins.empty()) {
    // Built aside and moved in whole, so a failure part-way leaves no half-filled list.
    std::vector<std::unique_ptr<TDevicePinData>> pins;
    pins.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i) pins.emplace_back(NewUncounted<TDevicePinData>(pinSet, i));
    FPins = std::move(pins);
  }
  return TComPtr<IDispatch>(FPins[static_cast<std::size_t>(Index)]->AsDispatch());
}

std::int32_t TDeviceData::GetIOStandardCount() { return IOStandardSetCount(PinSet().Standards); }
TComPtr<IDispatch> TDeviceData::GetIOStandard(std::int32_t Index) {
  TDeviceIOStandardData* standard = IOStandardOfSet(PinSet().Standards, Index);
  return standard != nullptr ? TComPtr<IDispatch>(standard->AsDispatch()) : TComPtr<IDispatch>();
}
