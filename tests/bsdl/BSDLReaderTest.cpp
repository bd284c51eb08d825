// The BSDL reader: every construct of a vendor-style file, and bad input naming its line.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "bsdl/BSDLReader.h"
#include "support/TestSupport.h"

namespace {

std::string DataFile(const std::string& name) { return testing_support::SourceDir() + "/tests/bsdl/data/" + name; }

const TScanPinParameters& PinAt(const TBSDLParameters& p, const std::string& number) {
  for (const auto& pin : p.Pins)
    if (pin.PinNumber == number) return pin;
  throw std::runtime_error("no pin " + number);
}

class TinyPart : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { Description = new TBSDLDescription(ReadBSDLFile(DataFile("TINY_PART.bsd"))); }
  static void TearDownTestSuite() { delete Description; }
  static const TBSDLParameters& P() { return Description->Parameters; }
  static TBSDLDescription* Description;
};
TBSDLDescription* TinyPart::Description = nullptr;

TEST_F(TinyPart, EntityFactsAndStringAttributes) {
  EXPECT_EQ(P().Name, "TINY_PART");
  EXPECT_EQ(P().Filename, "TINY_PART.bsd");
  EXPECT_EQ(P().ConformanceStatement, "STD_1149_1_2001");
  EXPECT_EQ(P().CompliancePattern, "(PROGRAM_B_C2) (1)");
  EXPECT_EQ(Description->InstructionLength, 4);
  EXPECT_EQ(Description->InstructionCapture, "XX01");
  EXPECT_EQ(Description->IdCodeRegister, "XXXX0011011000110001000010010011");  // four pieces joined with '&'
  EXPECT_EQ(Description->UserCodeRegister, std::string(32, 'X'));
  EXPECT_EQ(Description->DesignWarning, "Hand-written for tests; the \"part\" does not exist.");
  EXPECT_EQ(Description->InstructionPrivate, std::vector<std::string>{"PRIVATE_1"});
}

TEST_F(TinyPart, TapPinsAndScanClock) {
  EXPECT_EQ(P().PinNumber_TDI, "E2");
  EXPECT_EQ(P().PinNumber_TDO, "E3");
  EXPECT_EQ(P().PinNumber_TMS, "E4");
  EXPECT_EQ(P().PinNumber_TCK, "E1");
  EXPECT_EQ(P().PinNumber_TRST, "");
  EXPECT_DOUBLE_EQ(P().ScanClockMaxSpeed, 25e6);
  EXPECT_EQ(P().ScanClockHaltMode, eScanClockHaltMode_Low);
}

TEST_F(TinyPart, OpcodesKeepFileOrderAndTheFirstPattern) {
  ASSERT_EQ(P().OpCodes.size(), 5u);
  EXPECT_EQ(P().OpCodes[1].InstructionName, "SAMPLE");
  EXPECT_EQ(P().OpCodes[1].OpCodePattern, "0101");
  EXPECT_EQ(P().Instruction_SAMPLE, 5);
  ASSERT_EQ(P().RegisterAssociations.size(), 3u);
  EXPECT_EQ(P().RegisterAssociations[1].RegisterName, "DATAREG[8]");
  EXPECT_EQ(P().RegisterAssociations[1].RegisterLength, 0);
  EXPECT_EQ(P().RegisterAssociations[2].OpCodes, (std::vector<std::string>{"SAMPLE", "EXTEST"}));
}

TEST_F(TinyPart, OnePinPerBallInPinMapOrder) {
  ASSERT_EQ(P().Pins.size(), 20u);
  EXPECT_EQ(P().Pins[0].PinNumber, "A1");
  EXPECT_EQ(P().Pins[2].PinNumber, "A3");
  EXPECT_EQ(P().Pins[3].PinNumber, "B3");
  EXPECT_EQ(P().Pins.back().PinNumber, "E4");
  for (const auto& pin : P().Pins) {
    EXPECT_EQ(pin.PinMapping.PinName, pin.PinName);
    EXPECT_EQ(pin.PinMapping.PinNumber, pin.PinNumber);
  }
}

TEST_F(TinyPart, PinDirectionsKindsAndCells) {
  struct TCase {
    const char* Number;
    const char* Name;
    TPinElectrical Direction;
    TScanPinKind Kind;
    std::vector<int> Cells;
  };
  const TCase cases[] = {
      {"A1", "CCLK_A1", eElectricIO, eScanPinKind_Normal, {1, 2}},
      {"A2", "DONE_A2", eElectricIO, eScanPinKind_Normal, {11}},
      {"B3", "GND", eElectricIO, eScanPinKind_Ground, {12}},  // GND(2) of (1 to 3)
      {"C3", "GND", eElectricIO, eScanPinKind_Ground, {}},
      {"B4", "VCCO_14", eElectricIO, eScanPinKind_Power, {}},
      {"C4", "GNDADC_0", eElectricIO, eScanPinKind_Normal, {}},  // analog supply
      {"B1", "IO_B1", eElectricIO, eScanPinKind_Normal, {6, 7}},  // the control cell 5 is not listed
      {"B2", "IO_B2", eElectricIO, eScanPinKind_Normal, {8}},
      {"C1", "M0_C1", eElectricInput, eScanPinKind_Normal, {3}},
      {"D1", "MGTPRXP0_216", eElectricInput, eScanPinKind_Normal, {9}},
      {"D3", "MGTPTXP0_216", eElectricOpenCollector, eScanPinKind_Normal, {10}},
      {"D4", "MGTPTXN0_216", eElectricOpenCollector, eScanPinKind_Normal, {}},
      {"C2", "PROGRAM_B_C2", eElectricInput, eScanPinKind_Normal, {}},
      {"E1", "TCK", eElectricInput, eScanPinKind_TCK, {}},
      {"E3", "TDO", eElectricOutput, eScanPinKind_TDO, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Number);
    const TScanPinParameters& pin = PinAt(P(), c.Number);
    EXPECT_EQ(pin.PinName, c.Name);
    EXPECT_EQ(pin.Direction, c.Direction);
    EXPECT_EQ(pin.Kind, c.Kind);
    ASSERT_EQ(pin.BoundaryCellCount, static_cast<int>(c.Cells.size()));
    for (std::size_t i = 0; i < c.Cells.size(); ++i) EXPECT_EQ(pin.BoundaryCells[i], c.Cells[i]);
    for (std::size_t i = c.Cells.size(); i < 2; ++i) EXPECT_EQ(pin.BoundaryCells[i], -1);
  }
}

TEST_F(TinyPart, CellsWithControlFieldsAndNameTables) {
  ASSERT_EQ(P().BoundaryLength, 14);
  ASSERT_EQ(P().BoundaryCells.size(), 14u);
  struct TCase {
    int Number;
    TCellKind Kind;
    const char* Port;
    TCellFunction Function;
    TBitValue Safe;
    TBitValue DisableValue;
    TDisableResult Result;
    const char* Pin;
    int Control;
    int Target;
  };
  const TCase cases[] = {
      {0, eCellKind_BC_2, "*", eCellFunction_ControlR, eBit_1, eBit_0, eDisableResult_Undefined, "", -1, 1},
      {1, eCellKind_BC_2, "CCLK_A1", eCellFunction_Output3, eBit_X, eBit_1, eDisableResult_HiZ, "A1", 0, -1},
      {2, eCellKind_BC_2, "CCLK_A1", eCellFunction_Input, eBit_X, eBit_0, eDisableResult_Undefined, "A1", -1, -1},
      {4, eCellKind_BC_2, "*", eCellFunction_Internal, eBit_1, eBit_0, eDisableResult_Undefined, "", -1, -1},
      {5, eCellKind_BC_1, "*", eCellFunction_Control, eBit_0, eBit_0, eDisableResult_Undefined, "", -1, 6},  // first user
      {6, eCellKind_BC_1, "IO_B1", eCellFunction_Output3, eBit_X, eBit_0, eDisableResult_Pull1, "B1", 5, -1},
      {8, eCellKind_BC_2, "IO_B2", eCellFunction_BiDir, eBit_X, eBit_0, eDisableResult_Weak0, "B2", 5, -1},
      // "observe_only" and AC_1 are not in the name tables: Undefined, as for transceiver rows.
      {9, eCellKind_BC_4, "MGTPRXP0_216", eCellFunction_Undefined, eBit_X, eBit_0, eDisableResult_Undefined, "D1", -1, -1},
      {10, eCellKind_Undefined, "MGTPTXP0_216", eCellFunction_Output2, eBit_X, eBit_0, eDisableResult_Undefined, "D3", -1, -1},
      {12, eCellKind_BC_9, "GND(2)", eCellFunction_Clock, eBit_0, eBit_0, eDisableResult_Undefined, "B3", -1, -1},
      {13, eCellKind_BC_2, "*", eCellFunction_Internal, eBit_X, eBit_0, eDisableResult_Undefined, "", -1, -1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Number);
    const TBoundaryCellParameters& cell = P().BoundaryCells[static_cast<std::size_t>(c.Number)];
    EXPECT_EQ(cell.CellNumber, c.Number);
    EXPECT_EQ(cell.CellKind, c.Kind);
    EXPECT_EQ(cell.PortId, c.Port);
    EXPECT_EQ(cell.CellFunction, c.Function);
    EXPECT_EQ(cell.SafeBit, c.Safe);
    EXPECT_EQ(cell.DisableValue, c.DisableValue);
    EXPECT_EQ(cell.DisableResult, c.Result);
    EXPECT_EQ(cell.PinNumber, c.Pin);
    EXPECT_EQ(cell.ControlCellNumber, c.Control);
    EXPECT_EQ(cell.TargetCellNumber, c.Target);
  }
}

// A minimal description; each bad-input case changes one piece of it.
const char* const kMinimal =
    "-- minimal\n"                                                               // 1
    "entity MINI is\n"                                                           // 2
    "port (A: inout bit; TCK, TDI, TMS: in bit; TDO: out bit;\n"                 // 3
    "      G: linkage bit_vector (1 to 2));\n"                                    // 4
    "use STD_1149_1_2001.all;\n"                                                 // 5
    "attribute PIN_MAP of MINI : entity is PHYSICAL_PIN_MAP;\n"                  // 6
    "constant PK: PIN_MAP_STRING := \"A:A1,TCK:B1,TDI:B2,\" &\n"                 // 7
    "  \"TMS:B3,TDO:B4,G:(C1,C2)\";\n"                                           // 8
    "attribute TAP_SCAN_CLOCK of TCK : signal is (1.0e6, BOTH);\n"               // 9
    "attribute INSTRUCTION_LENGTH of MINI : entity is 2;\n"                      // 10
    "attribute INSTRUCTION_OPCODE of MINI : entity is \"BYPASS (11), SAMPLE (01)\";\n"  // 11
    "attribute BOUNDARY_LENGTH of MINI : entity is 3;\n"                         // 12
    "attribute BOUNDARY_REGISTER of MINI : entity is\n"                          // 13
    "  \"0 (BC_2, *, control, 1),\" &\n"                                         // 14
    "  \"1 (BC_2, A, output3, X, 0, 1, Z),\" &\n"                                // 15
    "  \"2 (BC_2, A, input, X)\";\n"                                             // 16
    "end MINI;\n";                                                               // 17

std::string Changed(std::string from, const std::string& to) {
  std::string s = kMinimal;
  const std::size_t at = s.find(from);
  if (at == std::string::npos) throw std::runtime_error("fixture has no " + from);
  return s.replace(at, from.size(), to);
}

TEST(BSDLReader, MinimalDescriptionReads) {
  const TBSDLDescription d = ReadBSDL(kMinimal, "MINI.bsd");
  EXPECT_EQ(d.Parameters.Pins.size(), 7u);
  EXPECT_EQ(d.Parameters.BoundaryCells.size(), 3u);
  EXPECT_EQ(d.Parameters.ScanClockHaltMode, eScanClockHaltMode_Both);
  EXPECT_EQ(d.Parameters.Instruction_SAMPLE, 1);
}

TEST(BSDLReader, BadInputNamesItsLine) {
  struct TCase {
    const char* What;
    std::string Text;
    int Line;
    const char* Fragment;
  };
  const std::string minimal = kMinimal;
  const TCase cases[] = {
      {"truncated file", minimal.substr(0, minimal.find("  \"1 (BC_2")), 15, "ends early"},
      {"truncated before end", minimal.substr(0, minimal.find("end MINI")), 17, "ends early"},
      {"unbalanced quote", Changed("\"TMS:B3,TDO:B4,G:(C1,C2)\";", "\"TMS:B3,TDO:B4,G:(C1,C2);"), 8, "unbalanced quote"},
      {"unbalanced parenthesis", Changed("G:(C1,C2)", "G:(C1,C2"), 8, "unbalanced '('"},
      {"cell number out of range", Changed("\"2 (BC_2, A, input", "\"5 (BC_2, A, input"), 16, "cell 5 out of range 0..2"},
      {"negative cell number", Changed("\"2 (BC_2, A, input", "\"-2 (BC_2, A, input"), 16, "out of range"},
      {"control cell out of range", Changed("X, 0, 1, Z", "X, 7, 1, Z"), 15, "control cell '7'"},
      {"cell missing", Changed("\"0 (BC_2, *, control, 1),\" &\n", ""), 15, "cell 0 is missing"},
      {"cell given twice", Changed("\"2 (BC_2, A, input", "\"1 (BC_2, A, input"), 16, "cell 1 given twice"},
      {"port without pin", Changed("TDO: out bit;", "TDO: out bit; LOST: in bit;"), 3, "port LOST has no pin"},
      {"cell of an undeclared port", Changed("2 (BC_2, A, input", "2 (BC_2, B, input"), 16, "undeclared port B"},
      {"pin map of an undeclared port", Changed("TMS:B3,", "TMS:B3,Q:D9,"), 8, "undeclared port Q"},
      {"pin mapped twice", Changed("TDO:B4", "TDO:B3"), 8, "pin B3 mapped twice"},
      {"vector width", Changed("G:(C1,C2)", "G:(C1)"), 8, "2 elements but 1 pins"},
      {"opcode not binary", Changed("SAMPLE (01)", "SAMPLE (0z)"), 11, "not binary"},
      {"opcode length", Changed("SAMPLE (01)", "SAMPLE (001)"), 11, "INSTRUCTION_LENGTH"},
      {"cell with five fields", Changed("X, 0, 1, Z", "X, 0"), 15, "5 fields"},
      {"bad safe value", Changed("2 (BC_2, A, input, X)", "2 (BC_2, A, input, 7)"), 16, "safe value"},
      {"bad halt mode", Changed("BOTH)", "HIGH)"), 9, "LOW or BOTH"},
      {"end of another entity", Changed("end MINI;", "end OTHER;"), 17, "another entity"},
      {"control character", Changed("use STD", "\x01use STD"), 5, "unexpected character '\\x01'"},
      {"no entity", "-- nothing here\n", 2, "no 'entity'"},
      {"index on a scalar port", Changed("2 (BC_2, A, input", "2 (BC_2, A(1), input"), 16, "takes no index"},
      {"index out of range", Changed("2 (BC_2, A, input", "2 (BC_2, G(3), input"), 16, "out of range"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    try {
      ReadBSDL(c.Text, "MINI.bsd");
      ADD_FAILURE() << "no error";
    } catch (const EBSDLError& e) {
      EXPECT_EQ(e.Line(), c.Line) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.Fragment), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("MINI.bsd, line " + std::to_string(c.Line) + ": ", 0), 0u) << e.what();
    }
  }
}

TEST(BSDLReader, MissingFileIsAReaderError) {
  EXPECT_THROW(ReadBSDLFile(DataFile("NO_SUCH_FILE.bsd")), EBSDLError);
}

TEST(BSDLReader, SyntheticFilesOfThePackagesRead) {
  const std::string folder = testing_support::BinDir() + "/synthetic-bsdl";
  std::ifstream probe(folder + "/XC7A100T_CSG324.bsd");
  if (!probe) GTEST_SKIP() << "no synthetic BSDL files (the vendor package files are absent)";
  const TBSDLDescription csg = ReadBSDLFile(folder + "/XC7A100T_CSG324.bsd");
  EXPECT_EQ(csg.Parameters.Name, "XC7A100T_CSG324");
  EXPECT_EQ(csg.Parameters.BoundaryCells.size(), 989u);
  EXPECT_EQ(csg.Parameters.Pins.size(), 324u);
  EXPECT_EQ(csg.Parameters.BoundaryCells[1].PortId, "CCLK_E9");
  EXPECT_EQ(csg.Parameters.BoundaryCells[1].ControlCellNumber, 0);
  EXPECT_EQ(csg.Parameters.BoundaryCells[0].TargetCellNumber, 1);
  EXPECT_EQ(csg.Parameters.BoundaryCells[3].PortId, "M0_P12");
  const TBSDLDescription ffg = ReadBSDLFile(folder + "/XC7A200T_FFG1156.bsd");
  EXPECT_EQ(ffg.Parameters.BoundaryCells.size(), 1658u);
  EXPECT_EQ(ffg.Parameters.Pins.size(), 1156u);
  EXPECT_EQ(ffg.Parameters.PinNumber_TDI, "AE14");
  int openCollector = 0, receive = 0;
  for (const auto& pin : ffg.Parameters.Pins) {
    openCollector += pin.Direction == eElectricOpenCollector;
    receive += pin.Direction == eElectricInput && pin.PinName.rfind("MGTPRX", 0) == 0;
  }
  EXPECT_GT(openCollector, 0);
  EXPECT_EQ(receive, openCollector);  // one receive pair per transmit pair
}

}  // namespace
