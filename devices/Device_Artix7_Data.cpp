#include "devices/Device_Artix7_Data.h"

const std::array<TDeviceParameters, kDeviceKindCount> kDevices{{
    {eXC7A100T_1CSG324C, "XC7A100T-1CSG324C", 0x03631093, eXC7A100T, ePackage_CS324, ePackageType_CS, eTemperatureGrade_C,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A100T_CSG324.bsd", ePinSet_XC7A100TCS324, 6, eDevicePackage_XC7A100TCS324},
    {eXC7A100T_2CSG324C, "XC7A100T-2CSG324C", 0x03631093, eXC7A100T, ePackage_CS324, ePackageType_CS, eTemperatureGrade_C,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A100T_CSG324.bsd", ePinSet_XC7A100TCS324, 6, eDevicePackage_XC7A100TCS324},
    {eXC7A100T_1CSG324I, "XC7A100T-1CSG324I", 0x03631093, eXC7A100T, ePackage_CS324, ePackageType_CS, eTemperatureGrade_I,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A100T_CSG324.bsd", ePinSet_XC7A100TCS324, 6, eDevicePackage_XC7A100TCS324},
    {eXC7A100T_2CSG324I, "XC7A100T-2CSG324I", 0x03631093, eXC7A100T, ePackage_CS324, ePackageType_CS, eTemperatureGrade_I,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A100T_CSG324.bsd", ePinSet_XC7A100TCS324, 6, eDevicePackage_XC7A100TCS324},
    {eXC7A100T_2LCSG324E, "XC7A100T-2LCSG324E", 0x03631093, eXC7A100T, ePackage_CS324, ePackageType_CS, eTemperatureGrade_E,
     eSpeedGrade_2L, eOptionDesignator_G, "XC7A100T_CSG324.bsd", ePinSet_XC7A100TCS324, 6, eDevicePackage_XC7A100TCS324},
    {eXC7A100T_3CSG324E, "XC7A100T-3CSG324E", 0x03631093, eXC7A100T, ePackage_CS324, ePackageType_CS, eTemperatureGrade_E,
     eSpeedGrade_3, eOptionDesignator_G, "XC7A100T_CSG324.bsd", ePinSet_XC7A100TCS324, 6, eDevicePackage_XC7A100TCS324},
    {eXC7A100T_1FTG256C, "XC7A100T-1FTG256C", 0x03631093, eXC7A100T, ePackage_FT256, ePackageType_FT, eTemperatureGrade_C,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A100T_FTG256.bsd", ePinSet_XC7A100TFT256, 6, eDevicePackage_XC7A100TFT256},
    {eXC7A100T_2FTG256C, "XC7A100T-2FTG256C", 0x03631093, eXC7A100T, ePackage_FT256, ePackageType_FT, eTemperatureGrade_C,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A100T_FTG256.bsd", ePinSet_XC7A100TFT256, 6, eDevicePackage_XC7A100TFT256},
    {eXC7A100T_1FTG256I, "XC7A100T-1FTG256I", 0x03631093, eXC7A100T, ePackage_FT256, ePackageType_FT, eTemperatureGrade_I,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A100T_FTG256.bsd", ePinSet_XC7A100TFT256, 6, eDevicePackage_XC7A100TFT256},
    {eXC7A100T_2FTG256I, "XC7A100T-2FTG256I", 0x03631093, eXC7A100T, ePackage_FT256, ePackageType_FT, eTemperatureGrade_I,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A100T_FTG256.bsd", ePinSet_XC7A100TFT256, 6, eDevicePackage_XC7A100TFT256},
    {eXC7A100T_2LFTG256E, "XC7A100T-2LFTG256E", 0x03631093, eXC7A100T, ePackage_FT256, ePackageType_FT, eTemperatureGrade_E,
     eSpeedGrade_2L, eOptionDesignator_G, "XC7A100T_FTG256.bsd", ePinSet_XC7A100TFT256, 6, eDevicePackage_XC7A100TFT256},
    {eXC7A100T_3FTG256E, "XC7A100T-3FTG256E", 0x03631093, eXC7A100T, ePackage_FT256, ePackageType_FT, eTemperatureGrade_E,
     eSpeedGrade_3, eOptionDesignator_G, "XC7A100T_FTG256.bsd", ePinSet_XC7A100TFT256, 6, eDevicePackage_XC7A100TFT256},
    {eXC7A100T_1FGG484C, "XC7A100T-1FGG484C", 0x03631093, eXC7A100T, ePackage_FG484, ePackageType_FG, eTemperatureGrade_C,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A100T_FGG484.bsd", ePinSet_XC7A100TFG484, 6, eDevicePackage_XC7A100TFG484},
    {eXC7A100T_2FGG484C, "XC7A100T-2FGG484C", 0x03631093, eXC7A100T, ePackage_FG484, ePackageType_FG, eTemperatureGrade_C,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A100T_FGG484.bsd", ePinSet_XC7A100TFG484, 6, eDevicePackage_XC7A100TFG484},
    {eXC7A100T_1FGG484I, "XC7A100T-1FGG484I", 0x03631093, eXC7A100T, ePackage_FG484, ePackageType_FG, eTemperatureGrade_I,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A100T_FGG484.bsd", ePinSet_XC7A100TFG484, 6, eDevicePackage_XC7A100TFG484},
    {eXC7A100T_2FGG484I, "XC7A100T-2FGG484I", 0x03631093, eXC7A100T, ePackage_FG484, ePackageType_FG, eTemperatureGrade_I,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A100T_FGG484.bsd", ePinSet_XC7A100TFG484, 6, eDevicePackage_XC7A100TFG484},
    {eXC7A100T_2LFGG484E, "XC7A100T-2LFGG484E", 0x03631093, eXC7A100T, ePackage_FG484, ePackageType_FG, eTemperatureGrade_E,
     eSpeedGrade_2L, eOptionDesignator_G, "XC7A100T_FGG484.bsd", ePinSet_XC7A100TFG484, 6, eDevicePackage_XC7A100TFG484},
    {eXC7A100T_3FGG484E, "XC7A100T-3FGG484E", 0x03631093, eXC7A100T, ePackage_FG484, ePackageType_FG, eTemperatureGrade_E,
     eSpeedGrade_3, eOptionDesignator_G, "XC7A100T_FGG484.bsd", ePinSet_XC7A100TFG484, 6, eDevicePackage_XC7A100TFG484},
    {eXC7A100T_1FGG676C, "XC7A100T-1FGG676C", 0x03631093, eXC7A100T, ePackage_FG676, ePackageType_FG, eTemperatureGrade_C,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A100T_FGG676.bsd", ePinSet_XC7A100TFG676, 6, eDevicePackage_XC7A100TFG676},
    {eXC7A100T_2FGG676C, "XC7A100T-2FGG676C", 0x03631093, eXC7A100T, ePackage_FG676, ePackageType_FG, eTemperatureGrade_C,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A100T_FGG676.bsd", ePinSet_XC7A100TFG676, 6, eDevicePackage_XC7A100TFG676},
    {eXC7A100T_1FGG676I, "XC7A100T-1FGG676I", 0x03631093, eXC7A100T, ePackage_FG676, ePackageType_FG, eTemperatureGrade_I,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A100T_FGG676.bsd", ePinSet_XC7A100TFG676, 6, eDevicePackage_XC7A100TFG676},
    {eXC7A100T_2FGG676I, "XC7A100T-2FGG676I", 0x03631093, eXC7A100T, ePackage_FG676, ePackageType_FG, eTemperatureGrade_I,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A100T_FGG676.bsd", ePinSet_XC7A100TFG676, 6, eDevicePackage_XC7A100TFG676},
    {eXC7A100T_2LFGG676E, "XC7A100T-2LFGG676E", 0x03631093, eXC7A100T, ePackage_FG676, ePackageType_FG, eTemperatureGrade_E,
     eSpeedGrade_2L, eOptionDesignator_G, "XC7A100T_FGG676.bsd", ePinSet_XC7A100TFG676, 6, eDevicePackage_XC7A100TFG676},
    {eXC7A100T_3FGG676E, "XC7A100T-3FGG676E", 0x03631093, eXC7A100T, ePackage_FG676, ePackageType_FG, eTemperatureGrade_E,
     eSpeedGrade_3, eOptionDesignator_G, "XC7A100T_FGG676.bsd", ePinSet_XC7A100TFG676, 6, eDevicePackage_XC7A100TFG676},
    {eXC7A200T_1SBG484C, "XC7A200T-1SBG484C", 0x03636093, eXC7A200T, ePackage_SB484, ePackageType_SB, eTemperatureGrade_C,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A200T_SBG484.bsd", ePinSet_XC7A200TSB484, 6, eDevicePackage_XC7A200TSB484},
    {eXC7A200T_2SBG484C, "XC7A200T-2SBG484C", 0x03636093, eXC7A200T, ePackage_SB484, ePackageType_SB, eTemperatureGrade_C,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A200T_SBG484.bsd", ePinSet_XC7A200TSB484, 6, eDevicePackage_XC7A200TSB484},
    {eXC7A200T_1SBG484I, "XC7A200T-1SBG484I", 0x03636093, eXC7A200T, ePackage_SB484, ePackageType_SB, eTemperatureGrade_I,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A200T_SBG484.bsd", ePinSet_XC7A200TSB484, 6, eDevicePackage_XC7A200TSB484},
    {eXC7A200T_2SBG484I, "XC7A200T-2SBG484I", 0x03636093, eXC7A200T, ePackage_SB484, ePackageType_SB, eTemperatureGrade_I,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A200T_SBG484.bsd", ePinSet_XC7A200TSB484, 6, eDevicePackage_XC7A200TSB484},
    {eXC7A200T_2LSBG484E, "XC7A200T-2LSBG484E", 0x03636093, eXC7A200T, ePackage_SB484, ePackageType_SB, eTemperatureGrade_E,
     eSpeedGrade_2L, eOptionDesignator_G, "XC7A200T_SBG484.bsd", ePinSet_XC7A200TSB484, 6, eDevicePackage_XC7A200TSB484},
    {eXC7A200T_3SBG484E, "XC7A200T-3SBG484E", 0x03636093, eXC7A200T, ePackage_SB484, ePackageType_SB, eTemperatureGrade_E,
     eSpeedGrade_3, eOptionDesignator_G, "XC7A200T_SBG484.bsd", ePinSet_XC7A200TSB484, 6, eDevicePackage_XC7A200TSB484},
    {eXC7A200T_1FBG484C, "XC7A200T-1FBG484C", 0x03636093, eXC7A200T, ePackage_FB484, ePackageType_FB, eTemperatureGrade_C,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A200T_FBG484.bsd", ePinSet_XC7A200TFB484, 6, eDevicePackage_XC7A200TFB484},
    {eXC7A200T_2FBG484C, "XC7A200T-2FBG484C", 0x03636093, eXC7A200T, ePackage_FB484, ePackageType_FB, eTemperatureGrade_C,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A200T_FBG484.bsd", ePinSet_XC7A200TFB484, 6, eDevicePackage_XC7A200TFB484},
    {eXC7A200T_1FBG484I, "XC7A200T-1FBG484I", 0x03636093, eXC7A200T, ePackage_FB484, ePackageType_FB, eTemperatureGrade_I,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A200T_FBG484.bsd", ePinSet_XC7A200TFB484, 6, eDevicePackage_XC7A200TFB484},
    {eXC7A200T_2FBG484I, "XC7A200T-2FBG484I", 0x03636093, eXC7A200T, ePackage_FB484, ePackageType_FB, eTemperatureGrade_I,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A200T_FBG484.bsd", ePinSet_XC7A200TFB484, 6, eDevicePackage_XC7A200TFB484},
    {eXC7A200T_2LFBG484E, "XC7A200T-2LFBG484E", 0x03636093, eXC7A200T, ePackage_FB484, ePackageType_FB, eTemperatureGrade_E,
     eSpeedGrade_2L, eOptionDesignator_G, "XC7A200T_FBG484.bsd", ePinSet_XC7A200TFB484, 6, eDevicePackage_XC7A200TFB484},
    {eXC7A200T_3FBG484E, "XC7A200T-3FBG484E", 0x03636093, eXC7A200T, ePackage_FB484, ePackageType_FB, eTemperatureGrade_E,
     eSpeedGrade_3, eOptionDesignator_G, "XC7A200T_FBG484.bsd", ePinSet_XC7A200TFB484, 6, eDevicePackage_XC7A200TFB484},
    {eXC7A200T_1FBG676C, "XC7A200T-1FBG676C", 0x03636093, eXC7A200T, ePackage_FB676, ePackageType_FB, eTemperatureGrade_C,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A200T_FBG676.bsd", ePinSet_XC7A200TFB676, 6, eDevicePackage_XC7A200TFB676},
    {eXC7A200T_2FBG676C, "XC7A200T-2FBG676C", 0x03636093, eXC7A200T, ePackage_FB676, ePackageType_FB, eTemperatureGrade_C,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A200T_FBG676.bsd", ePinSet_XC7A200TFB676, 6, eDevicePackage_XC7A200TFB676},
    {eXC7A200T_1FBG676I, "XC7A200T-1FBG676I", 0x03636093, eXC7A200T, ePackage_FB676, ePackageType_FB, eTemperatureGrade_I,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A200T_FBG676.bsd", ePinSet_XC7A200TFB676, 6, eDevicePackage_XC7A200TFB676},
    {eXC7A200T_2FBG676I, "XC7A200T-2FBG676I", 0x03636093, eXC7A200T, ePackage_FB676, ePackageType_FB, eTemperatureGrade_I,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A200T_FBG676.bsd", ePinSet_XC7A200TFB676, 6, eDevicePackage_XC7A200TFB676},
    {eXC7A200T_2LFBG676E, "XC7A200T-2LFBG676E", 0x03636093, eXC7A200T, ePackage_FB676, ePackageType_FB, eTemperatureGrade_E,
     eSpeedGrade_2L, eOptionDesignator_G, "XC7A200T_FBG676.bsd", ePinSet_XC7A200TFB676, 6, eDevicePackage_XC7A200TFB676},
    {eXC7A200T_3FBG676E, "XC7A200T-3FBG676E", 0x03636093, eXC7A200T, ePackage_FB676, ePackageType_FB, eTemperatureGrade_E,
     eSpeedGrade_3, eOptionDesignator_G, "XC7A200T_FBG676.bsd", ePinSet_XC7A200TFB676, 6, eDevicePackage_XC7A200TFB676},
    {eXC7A200T_1FFG1156C, "XC7A200T-1FFG1156C", 0x03636093, eXC7A200T, ePackage_FF1156, ePackageType_FF, eTemperatureGrade_C,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A200T_FFG1156.bsd", ePinSet_XC7A200TFF1156, 6, eDevicePackage_XC7A200TFF1156},
    {eXC7A200T_2FFG1156C, "XC7A200T-2FFG1156C", 0x03636093, eXC7A200T, ePackage_FF1156, ePackageType_FF, eTemperatureGrade_C,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A200T_FFG1156.bsd", ePinSet_XC7A200TFF1156, 6, eDevicePackage_XC7A200TFF1156},
    {eXC7A200T_1FFG1156I, "XC7A200T-1FFG1156I", 0x03636093, eXC7A200T, ePackage_FF1156, ePackageType_FF, eTemperatureGrade_I,
     eSpeedGrade_1, eOptionDesignator_G, "XC7A200T_FFG1156.bsd", ePinSet_XC7A200TFF1156, 6, eDevicePackage_XC7A200TFF1156},
    {eXC7A200T_2FFG1156I, "XC7A200T-2FFG1156I", 0x03636093, eXC7A200T, ePackage_FF1156, ePackageType_FF, eTemperatureGrade_I,
     eSpeedGrade_2, eOptionDesignator_G, "XC7A200T_FFG1156.bsd", ePinSet_XC7A200TFF1156, 6, eDevicePackage_XC7A200TFF1156},
    {eXC7A200T_2LFFG1156E, "XC7A200T-2LFFG1156E", 0x03636093, eXC7A200T, ePackage_FF1156, ePackageType_FF, eTemperatureGrade_E,
     eSpeedGrade_2L, eOptionDesignator_G, "XC7A200T_FFG1156.bsd", ePinSet_XC7A200TFF1156, 6, eDevicePackage_XC7A200TFF1156},
}};

const std::array<TBaseNameIdParameters, 2> kBaseNames{{
    {"XC7A100T", 101440, 300},
    {"XC7A200T", 215360, 500},
}};

const std::array<TPackageParameters, 8> kPackages{{
    {"CSG324", "CSG324", "324-Ball Wire-Bond Chip-Scale Ball Grid Array 0.8 mm Pitch (CS324)", "15 x 15 mm"},
    {"FBG484", "FBG484", "484-Ball Flip-Chip Lidless Ball Grid Array 1.0 mm Pitch (FB484)", "23 x 23 mm"},
    {"FBG676", "FBG676", "676-Ball Flip-Chip Lidless Ball Grid Array 1.0 mm Pitch (FB676)", "27 x 27 mm"},
    {"FFG1156", "FFG1156", "1156-Ball Flip-Chip Ball Grid Array 1.0 mm Pitch (FF1156)", "35 x 35 mm"},
    {"FGG484", "FGG484", "484-Ball Wire-Bond Fine-Pitch Ball Grid Array 1.0 mm Pitch (FG484)", "23 x 23 mm"},
    {"FGG676", "FGG676", "676-Ball Wire-Bond Fine-Pitch Ball Grid Array 1.0 mm Pitch (FG676)", "27 x 27 mm"},
    {"FTG256", "FTG256", "256-Ball Wire-Bond Fine-Pitch Thin Ball Grid Array 1.0 mm Pitch (FT256)", "17 x 17 mm"},
    {"SBG484", "SBG484", "484-Ball Flip-Chip Lidless Ball Grid Array 0.8 mm Pitch (SB484)", "19 x 19 mm"},
}};

const std::array<TNamedRow, 6> kPackageTypes{{
    {"CS", "CSBGA", "Wire-Bond Chip-Scale Ball Grid Array"},
    {"FB", "FBGA", "Flip-Chip Lidless Ball Grid Array"},
    {"FF", "FFBGA", "Lidless Ball Grid Array"},
    {"FG", "FGBGA", "Wire-Bond Fine Pitch Ball Grid Array"},
    {"FT", "FTBGA", "Fine Pitch Thin Ball Grid Array"},
    {"SB", "SBGA", "Flip-Chip Lidless Ball Grid Array"},
}};

const std::array<TNamedRow, 4> kSpeedGrades{{
    {"1", "1", "Speed Grade 1"},
    {"2", "2", "Speed Grade 2"},
    {"2L", "2L", "Speed Grade 2L"},
    {"3", "3", "Speed Grade 3"},
}};

const std::array<TNamedRow, 3> kTemperatureGrades{{
    {"C", "Commercial", "Commercial Grade"},
    {"E", "Extended", "Extended Grade"},
    {"I", "Industrial", "Industrial Grade"},
}};

const std::array<TNamedRow, 2> kOptionDesignators{{
    {"G", "G", "Pb-Free"},
    {"None", "Standard", "Standard Configuration"},
}};

namespace {
constexpr TDevicePackageParameters kXC7A100TResources{240, 6, 4860, true, 32, 30606304};
constexpr TDevicePackageParameters kXC7A200TResources{740, 10, 13140, true, 32, 77845216};
}  // namespace

const std::array<TDevicePackageParameters, 8> kDevicePackages{{
    kXC7A100TResources, kXC7A100TResources, kXC7A100TResources, kXC7A100TResources,
    kXC7A200TResources, kXC7A200TResources, kXC7A200TResources, kXC7A200TResources,
}};

const std::array<std::string_view, 8> kBSDLFileNames{{
    "XC7A100T_CSG324.bsd", "XC7A100T_FTG256.bsd", "XC7A100T_FGG484.bsd", "XC7A100T_FGG676.bsd",
    "XC7A200T_SBG484.bsd", "XC7A200T_FBG484.bsd", "XC7A200T_FBG676.bsd", "XC7A200T_FFG1156.bsd",
}};
