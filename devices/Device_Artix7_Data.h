// The Artix-7 part catalogue: constant tables of the 47 orderable parts, their base devices,
// packages, grades and package resources.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

enum TDeviceKind : std::int32_t {
  eXC7A100T_1CSG324C,
  eXC7A100T_2CSG324C,
  eXC7A100T_1CSG324I,
  eXC7A100T_2CSG324I,
  eXC7A100T_2LCSG324E,
  eXC7A100T_3CSG324E,
  eXC7A100T_1FTG256C,
  eXC7A100T_2FTG256C,
  eXC7A100T_1FTG256I,
  eXC7A100T_2FTG256I,
  eXC7A100T_2LFTG256E,
  eXC7A100T_3FTG256E,
  eXC7A100T_1FGG484C,
  eXC7A100T_2FGG484C,
  eXC7A100T_1FGG484I,
  eXC7A100T_2FGG484I,
  eXC7A100T_2LFGG484E,
  eXC7A100T_3FGG484E,
  eXC7A100T_1FGG676C,
  eXC7A100T_2FGG676C,
  eXC7A100T_1FGG676I,
  eXC7A100T_2FGG676I,
  eXC7A100T_2LFGG676E,
  eXC7A100T_3FGG676E,
  eXC7A200T_1SBG484C,
  eXC7A200T_2SBG484C,
  eXC7A200T_1SBG484I,
  eXC7A200T_2SBG484I,
  eXC7A200T_2LSBG484E,
  eXC7A200T_3SBG484E,
  eXC7A200T_1FBG484C,
  eXC7A200T_2FBG484C,
  eXC7A200T_1FBG484I,
  eXC7A200T_2FBG484I,
  eXC7A200T_2LFBG484E,
  eXC7A200T_3FBG484E,
  eXC7A200T_1FBG676C,
  eXC7A200T_2FBG676C,
  eXC7A200T_1FBG676I,
  eXC7A200T_2FBG676I,
  eXC7A200T_2LFBG676E,
  eXC7A200T_3FBG676E,
  eXC7A200T_1FFG1156C,
  eXC7A200T_2FFG1156C,
  eXC7A200T_1FFG1156I,
  eXC7A200T_2FFG1156I,
  eXC7A200T_2LFFG1156E,
};
constexpr std::int32_t kDeviceKindCount = 47;

enum TBaseNameId { eXC7A100T, eXC7A200T };
enum TPackage {
  ePackage_CS324,
  ePackage_FB484,
  ePackage_FB676,
  ePackage_FF1156,
  ePackage_FG484,
  ePackage_FG676,
  ePackage_FT256,
  ePackage_SB484,
};
enum TPackageType { ePackageType_CS, ePackageType_FB, ePackageType_FF, ePackageType_FG, ePackageType_FT, ePackageType_SB };
enum TTemperatureGrade { eTemperatureGrade_C, eTemperatureGrade_E, eTemperatureGrade_I };
enum TSpeedGrade { eSpeedGrade_1, eSpeedGrade_2, eSpeedGrade_2L, eSpeedGrade_3 };
enum TOptionDesignator { eOptionDesignator_G, eOptionDesignator_None };
enum TDevicePinSet {
  ePinSet_XC7A100TCS324,
  ePinSet_XC7A100TFG484,
  ePinSet_XC7A100TFG676,
  ePinSet_XC7A100TFT256,
  ePinSet_XC7A200TFB676,
  ePinSet_XC7A200TFF1156,
  ePinSet_XC7A200TFB484,
  ePinSet_XC7A200TSB484,
};
constexpr int kPinSetCount = 8;
enum TDevicePackage {
  eDevicePackage_XC7A100TCS324,
  eDevicePackage_XC7A100TFG484,
  eDevicePackage_XC7A100TFG676,
  eDevicePackage_XC7A100TFT256,
  eDevicePackage_XC7A200TFB676,
  eDevicePackage_XC7A200TFF1156,
  eDevicePackage_XC7A200TFB484,
  eDevicePackage_XC7A200TSB484,
};

struct TDeviceParameters {
  TDeviceKind Kind;
  std::string_view FullName;
  std::uint32_t IdCode;
  TBaseNameId BaseName;
  TPackage Package;
  TPackageType PackageType;
  TTemperatureGrade TemperatureGrade;
  TSpeedGrade SpeedGrade;
  TOptionDesignator OptionDesignator;
  std::string_view BSDL;
  TDevicePinSet PinSet;
  std::int32_t InstructionLength;
  TDevicePackage DevicePackage;
};

struct TBaseNameIdParameters {
  std::string_view Name;
  std::int32_t EquivalentGates;
  std::int32_t MaxIO;
};

struct TPackageParameters {
  std::string_view Id, Name, Description, Dimensions;
};

struct TNamedRow {
  std::string_view Id, Name, Description;
};

struct TDevicePackageParameters {
  std::int32_t DSPMultiplierCount;
  std::int32_t ClockManagerCount;
  std::int32_t MemorySize;
  bool TerminationSupport;
  std::int32_t GlobalClockCount;
  std::int32_t ConfigMemorySize;
};

extern const std::array<TDeviceParameters, kDeviceKindCount> kDevices;
extern const std::array<TBaseNameIdParameters, 2> kBaseNames;
extern const std::array<TPackageParameters, 8> kPackages;
extern const std::array<TNamedRow, 6> kPackageTypes;
extern const std::array<TNamedRow, 4> kSpeedGrades;
extern const std::array<TNamedRow, 3> kTemperatureGrades;
extern const std::array<TNamedRow, 2> kOptionDesignators;
extern const std::array<TDevicePackageParameters, 8> kDevicePackages;
// The eight boundary-scan file names, in the order of the built-in description tables.
extern const std::array<std::string_view, 8> kBSDLFileNames;

constexpr std::string_view kFamilyName = "Artix7";
constexpr std::string_view kFamilyDescription = "Artix7 FPGA";
constexpr std::string_view kLibraryName = "Xilinx Artix-7.IntLib";

inline bool IsValidDeviceKind(std::int32_t kind) { return kind >= 0 && kind < kDeviceKindCount; }
