#include "devices/DeviceIOStandards.h"

#include <bit>
#include <memory>

const std::array<TDeviceIOStandardParameters, kIOStandardCount> kIOStandards{{
    {"Bus LVDS 2.5V", "BLVDS25", true, 0x0, 0x000000},  // sBLVDS25
    {"DHSTL Class I", "DHSTLI", true, 0x3, 0x000000},  // sDHSTLI
    {"DHSTL 1.8V Class I", "DHSTL18I", true, 0x3, 0x000000},  // sDHSTL18I
    {"DHSTL Class II", "DHSTLII", true, 0x3, 0x000000},  // sDHSTLII
    {"DHSTL 1.8V Class II", "DHSTL18II", true, 0x3, 0x000000},  // sDHSTL18II
    {"Differential 1.2-V HSUL", "DHSUL12", true, 0x3, 0x000000},  // sDHSUL12
    {"Differential Mobile DDR", "DMobile_DDR", true, 0x3, 0x000000},  // sDMOBILE_DDR
    {"Differential 1.35-V SSTL", "DSSTL135", true, 0x3, 0x000000},  // sDSSTL135
    {"Differential 1.35V SSTL R", "DSSTL135_R", true, 0x3, 0x000000},  // sDSSTL135_R
    {"DSSTL 1.5V", "DSSTL15", true, 0x3, 0x000000},  // sDSSTL15
    {"Differential 1.5V SSTL R", "DSSTL15_R", true, 0x3, 0x000000},  // sDSSTL15_R
    {"Differential SSTL 1.8V Class I", "DSSTL18I", true, 0x3, 0x000000},  // sDSSTL18I
    {"Differential SSTL 1.8V Class II", "DSSTL18II", true, 0x3, 0x000000},  // sDSSTL18II
    {"LVDS", "LVDS", true, 0x0, 0x000000},  // sLVDS
    {"Mini LVDS 2.5V", "MiniLVDS25", true, 0x0, 0x000000},  // sMiniLVDS25
    {"PPDS 2.5V", "PPDS25", true, 0x0, 0x000000},  // sPPDS25
    {"RSDS 2.5V", "RSDS25", true, 0x0, 0x000000},  // sRSDS25
    {"TMDS 3.3V", "TMDS33", true, 0x0, 0x000000},  // sTMDS33
    {"HSTL Class I", "HSTLI", true, 0x3, 0x000000},  // sHSTLI
    {"HSTL Class I 1.8V", "HSTLI_18", false, 0x3, 0x000000},  // sHSTLI_18
    {"HSTL Class II", "HSTLII", true, 0x3, 0x000000},  // sHSTLII
    {"HSTL Class II 1.8V", "HSTLII_18", false, 0x3, 0x000000},  // sHSTLII_18
    {"1.2-V HSUL", "HSUL12", false, 0x3, 0x000000},  // sHSUL12
    {"LVCMOS 1.2V", "LVCMOS12", false, 0x3, 0x0000A4},  // sLVCMOS12
    {"LVCMOS 1.5V", "LVCMOS15", false, 0x3, 0x0002A4},  // sLVCMOS15
    {"LVCMOS 1.8V", "LVCMOS18", false, 0x3, 0x0022A4},  // sLVCMOS18
    {"LVCMOS 2.5V", "LVCMOS25", false, 0x3, 0x0002A4},  // sLVCMOS25
    {"LVCMOS 3.3V", "LVCMOS33", false, 0x3, 0x0002A4},  // sLVCMOS33
    {"LVTTL 3.3V", "LVTTL33", false, 0x3, 0x0022A4},  // sLVTTL33
    {"Mobile DDR", "Mobile_DDR", false, 0x3, 0x000000},  // sMOBILE_DDR
    {"PCI 33Mhz 3.3V", "PCI33_3", false, 0x0, 0x000000},  // sPCI33_3
    {"SSTL-135", "SSTL135", false, 0x3, 0x000000},  // sSSTL135
    {"SSTL135_R", "SSTL135_R", false, 0x3, 0x000000},  // sSSTL135_R
    {"SSTL 1.5V", "SSTL15", false, 0x3, 0x000000},  // sSSTL15
    {"SSTL15_R", "SSTL15_R", false, 0x3, 0x000000},  // sSSTL15_R
    {"SSTL18 Class I", "SSTL18I", false, 0x3, 0x000000},  // sSSTL18I
    {"SSTL18 Class II", "SSTL18II", false, 0x3, 0x000000},  // sSSTL18II
}};

const std::array<std::string_view, 3> kSlewValueNames{"SLOW", "FAST", "VERY_SLOW"};
const std::array<std::string_view, 21> kDriveValueNames{
    "2mA",  "3mA",  "4mA",  "6mA",   "7mA", "8mA", "10mA", "12mA", "14mA", "16mA", "17mA",
    "18mA", "20mA", "24mA", "3.5mA", "5mA", "15mA", "21mA", "25mA", "33mA", "35mA"};

namespace {

// The generic framework list the base class answers from.
constexpr std::array<std::string_view, 2> kGenericDisplayNames{"LVTTL 1.5V", "LVTTL 1.8V"};
constexpr std::array<std::string_view, 2> kGenericParamNames{"LVTTL15", "LVTTL18"};

template <std::size_t N>
std::string GenericEntry(const std::array<std::string_view, N>& list, std::int32_t index) {
  return index >= 0 && static_cast<std::size_t>(index) < N ? std::string(list[static_cast<std::size_t>(index)])
                                                          : std::string();
}

// The `index`-th set bit of `mask` (0-based), or -1.
int NthMember(std::uint64_t mask, std::int32_t index) {
  if (index < 0) return -1;
  for (int bit = 0; bit < 64; ++bit) {
    if ((mask >> bit) & 1u) {
      if (index == 0) return bit;
      --index;
    }
  }
  return -1;
}

// Created when the library is loaded, destroyed when it is unloaded.
struct TIOStandardObjects {
  TIOStandardObjects() {
    for (int i = 0; i < kIOStandardCount; ++i)
      Objects[static_cast<std::size_t>(i)].reset(NewUncounted<TDeviceIOStandardData>(static_cast<TDeviceIOStandardID>(i)));
  }
  std::array<std::unique_ptr<TDeviceIOStandardData>, kIOStandardCount> Objects;
};
const TIOStandardObjects gIOStandardObjects;

}  // namespace

std::string TQuillAbstractDeviceIOStandard::GetDisplayName() { return GenericEntry(kGenericDisplayNames, StandardIndex()); }
std::string TQuillAbstractDeviceIOStandard::GetParamName() { return GenericEntry(kGenericParamNames, StandardIndex()); }

std::string TDeviceIOStandardData::GetDisplayName() { return std::string(kIOStandards[FID].DisplayName); }
std::string TDeviceIOStandardData::GetParamName() { return std::string(kIOStandards[FID].ParamName); }
std::int32_t TDeviceIOStandardData::GetSlewCount() { return std::popcount(kIOStandards[FID].SlewRates); }
std::string TDeviceIOStandardData::GetSlewValue(std::int32_t Index) {
  const int member = NthMember(kIOStandards[FID].SlewRates, Index);
  return member < 0 ? std::string() : std::string(kSlewValueNames[static_cast<std::size_t>(member)]);
}
std::int32_t TDeviceIOStandardData::GetDriveCount() { return std::popcount(kIOStandards[FID].DriveStrengths); }
std::string TDeviceIOStandardData::GetDriveStrength(std::int32_t Index) {
  const int member = NthMember(kIOStandards[FID].DriveStrengths, Index);
  return member < 0 ? std::string() : std::string(kDriveValueNames[static_cast<std::size_t>(member)]);
}

TDeviceIOStandardData* IOStandardObject(TDeviceIOStandardID id) {
  return id >= 0 && id < kIOStandardCount ? gIOStandardObjects.Objects[static_cast<std::size_t>(id)].get() : nullptr;
}

TDeviceIOStandardData* IOStandardOfSet(TIOStandardSet set, std::int32_t index) {
  const int member = NthMember(set, index);
  return member < 0 ? nullptr : IOStandardObject(static_cast<TDeviceIOStandardID>(member));
}

std::int32_t IOStandardSetCount(TIOStandardSet set) { return std::popcount(set); }
