#include "bsdl/Device_Artix7_Bsdl.h"

#include <stdexcept>

#include "bsdl/Device_Artix7_BsdlRows.h"
#include "platform/Text.h"

const std::array<std::string_view, 8> kBuiltInBSDLFileNames{
    "XC7A100T_CSG324.bsd", "XC7A100T_FTG256.bsd", "XC7A100T_FGG484.bsd", "XC7A100T_FGG676.bsd",
    "XC7A200T_SBG484.bsd", "XC7A200T_FBG484.bsd", "XC7A200T_FBG676.bsd", "XC7A200T_FFG1156.bsd"};

namespace {

struct TBuiltInIdentity {
  const char* Name;
  std::int32_t BoundaryLength;
  const char* TDI;
  const char* TDO;
  const char* TMS;
  const char* TCK;
};

constexpr TBuiltInIdentity kIdentities[8] = {
    {"XC7A100T_CSG324", 989, "E11", "E13", "E12", "E10"},   {"XC7A100T_FTG256", 989, "N7", "N8", "M7", "L7"},
    {"XC7A100T_FGG484", 989, "R13", "U13", "T13", "V12"},   {"XC7A100T_FGG676", 989, "H10", "J10", "H11", "H12"},
    {"XC7A200T_SBG484", 1658, "R13", "U13", "T13", "V12"},  {"XC7A200T_FBG484", 1658, "R13", "U13", "T13", "V12"},
    {"XC7A200T_FBG676", 1658, "H10", "J10", "H11", "H12"},  {"XC7A200T_FFG1156", 1658, "AE14", "AD13", "AE13", "AE12"},
};

// The family's 6-bit instruction set, the same in every package.
constexpr std::pair<const char*, const char*> kOpCodes[32] = {
    {"IDCODE", "001001"},       {"BYPASS", "111111"},      {"EXTEST", "100110"},       {"SAMPLE", "000001"},
    {"PRELOAD", "000001"},      {"USERCODE", "001000"},    {"HIGHZ", "001010"},        {"EXTEST_PULSE", "111100"},
    {"EXTEST_TRAIN", "111101"}, {"ISC_ENABLE", "010000"},  {"ISC_PROGRAM", "010001"},  {"ISC_NOOP", "010100"},
    {"XSC_READ_RSVD", "010101"}, {"ISC_DISABLE", "010110"}, {"XSC_PROGRAM_KEY", "010010"}, {"XSC_DNA", "010111"},
    {"CFG_OUT", "000100"},      {"CFG_IN", "000101"},      {"JPROGRAM", "001011"},     {"JSTART", "001100"},
    {"JSHUTDOWN", "001101"},    {"FUSE_CTS", "110000"},    {"FUSE_KEY", "110001"},     {"FUSE_DNA", "110010"},
    {"FUSE_USER", "110011"},    {"FUSE_CNTL", "110100"},   {"USER1", "000010"},        {"USER2", "000011"},
    {"USER3", "100010"},        {"USER4", "100011"},       {"XADC_DRP", "110111"},     {"INTEST_RSVD", "000111"},
};

std::vector<TRegisterAssociationParameters> RegisterAssociations() {
  return {{"DATAREG[57]", 0, {"XSC_DNA"}},
          {"BYPASS", 0, {"HIGHZ", "BYPASS"}},
          {"DEVICE_ID", 0, {"USERCODE", "IDCODE"}},
          {"BOUNDARY", 0, {"SAMPLE", "PRELOAD", "EXTEST", "EXTEST_PULSE", "EXTEST_TRAIN"}}};
}

TScanPinParameters PinFrom(const TScanPinRow& row) {
  TScanPinParameters pin;
  pin.Direction = row.Direction;
  pin.PinName = row.PinName;
  pin.PinNumber = row.PinNumber;
  pin.Kind = row.Kind;
  pin.PinMapping = {row.MappingPinName, row.MappingPinNumber};
  pin.BoundaryCellCount = row.BoundaryCellCount;
  pin.BoundaryCells = {row.BoundaryCells[0], row.BoundaryCells[1]};
  return pin;
}

TBoundaryCellParameters CellFrom(const TBoundaryCellRow& row) {
  return {row.CellNumber,   row.CellKind,      row.PortId,    row.CellFunction,      row.SafeBit,
          row.DisableValue, row.DisableResult, row.PinNumber, row.ControlCellNumber, row.TargetCellNumber};
}

TBSDLParameters MakeRecord(int index) {
  const TBuiltInIdentity& id = kIdentities[index];
  TBSDLParameters p;
  p.Name = id.Name;
  p.BoundaryLength = id.BoundaryLength;
  p.ScanClockMaxSpeed = 66000000.0;
  p.ScanClockHaltMode = eScanClockHaltMode_Both;
  p.ConformanceStatement = "STD_1149_1_2001";
  p.Filename = std::string(kBuiltInBSDLFileNames[static_cast<std::size_t>(index)]);
  p.Instruction_SAMPLE = 1;
  p.PinNumber_TDI = id.TDI;
  p.PinNumber_TDO = id.TDO;
  p.PinNumber_TMS = id.TMS;
  p.PinNumber_TCK = id.TCK;
  for (const auto& [name, pattern] : kOpCodes) p.OpCodes.push_back({name, pattern});
  p.RegisterAssociations = RegisterAssociations();
  const TBuiltInBSDLRows& rows = kBuiltInBSDLRows[static_cast<std::size_t>(index)];
  for (const TScanPinRow& row : rows.Pins) p.Pins.push_back(PinFrom(row));
  for (const TBoundaryCellRow& row : rows.BoundaryCells) p.BoundaryCells.push_back(CellFrom(row));
  return p;
}

}  // namespace

int IndexOfBuiltInBSDL(std::string_view fileName) {
  int found = 0;
  for (std::size_t i = 0; i < kBuiltInBSDLFileNames.size(); ++i)
    if (text::EqualsNoCase(kBuiltInBSDLFileNames[i], fileName)) found = static_cast<int>(i);
  return found;
}

const TBSDLParameters& BuiltInBSDL(int index) {
  if (index < 0 || index >= 8) throw std::out_of_range("no built-in boundary-scan description " + std::to_string(index));
  static const std::array<TBSDLParameters, 8> records{MakeRecord(0), MakeRecord(1), MakeRecord(2), MakeRecord(3),
                                                      MakeRecord(4), MakeRecord(5), MakeRecord(6), MakeRecord(7)};
  return records[static_cast<std::size_t>(index)];
}

bool HasBuiltInRows(int index) {
  return index >= 0 && index < 8 && !kBuiltInBSDLRows[static_cast<std::size_t>(index)].BoundaryCells.empty();
}
