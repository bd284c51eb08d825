// The eight built-in descriptions: the fields compiled in for every package, the opcode and
// register tables, the lookup by file name, and the rows generated from the vendor's files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "bsdl/BSDLBuilder.h"
#include "bsdl/Device_Artix7_Bsdl.h"
#include "support/TestSupport.h"

namespace {

TEST(BuiltInBSDL, IdentityOfEachPackage) {
  struct TCase {
    const char* Name;
    int Length;
    const char *TDI, *TDO, *TMS, *TCK;
  };
  const TCase cases[8] = {
      {"XC7A100T_CSG324", 989, "E11", "E13", "E12", "E10"},   {"XC7A100T_FTG256", 989, "N7", "N8", "M7", "L7"},
      {"XC7A100T_FGG484", 989, "R13", "U13", "T13", "V12"},   {"XC7A100T_FGG676", 989, "H10", "J10", "H11", "H12"},
      {"XC7A200T_SBG484", 1658, "R13", "U13", "T13", "V12"},  {"XC7A200T_FBG484", 1658, "R13", "U13", "T13", "V12"},
      {"XC7A200T_FBG676", 1658, "H10", "J10", "H11", "H12"},  {"XC7A200T_FFG1156", 1658, "AE14", "AD13", "AE13", "AE12"},
  };
  for (int i = 0; i < 8; ++i) {
    const TCase& c = cases[i];
    SCOPED_TRACE(c.Name);
    const TBSDLParameters& p = BuiltInBSDL(i);
    EXPECT_EQ(p.Name, c.Name);
    EXPECT_EQ(p.Filename, std::string(c.Name) + ".bsd");
    EXPECT_EQ(kBuiltInBSDLFileNames[static_cast<std::size_t>(i)], p.Filename);
    EXPECT_EQ(p.BoundaryLength, c.Length);
    EXPECT_EQ(p.PinNumber_TDI, c.TDI);
    EXPECT_EQ(p.PinNumber_TDO, c.TDO);
    EXPECT_EQ(p.PinNumber_TMS, c.TMS);
    EXPECT_EQ(p.PinNumber_TCK, c.TCK);
    EXPECT_EQ(p.PinNumber_TRST, "");
    EXPECT_DOUBLE_EQ(p.ScanClockMaxSpeed, 66e6);
    EXPECT_EQ(p.ScanClockHaltMode, eScanClockHaltMode_Both);
    EXPECT_EQ(p.ConformanceStatement, "STD_1149_1_2001");
    EXPECT_EQ(p.CompliancePattern, "");
    EXPECT_EQ(p.Instruction_SAMPLE, 1);
    EXPECT_EQ(p.OpCodes.size(), 32u);
    EXPECT_EQ(p.RegisterAssociations.size(), 4u);
    // Rows are all there or not at all.
    if (HasBuiltInRows(i)) EXPECT_EQ(p.BoundaryCells.size(), static_cast<std::size_t>(c.Length));
    else EXPECT_TRUE(p.Pins.empty() && p.BoundaryCells.empty());
  }
}

TEST(BuiltInBSDL, OpcodeAndRegisterTables) {
  const char* const expected[32][2] = {
      {"IDCODE", "001001"},       {"BYPASS", "111111"},        {"EXTEST", "100110"},          {"SAMPLE", "000001"},
      {"PRELOAD", "000001"},      {"USERCODE", "001000"},      {"HIGHZ", "001010"},           {"EXTEST_PULSE", "111100"},
      {"EXTEST_TRAIN", "111101"}, {"ISC_ENABLE", "010000"},    {"ISC_PROGRAM", "010001"},     {"ISC_NOOP", "010100"},
      {"XSC_READ_RSVD", "010101"}, {"ISC_DISABLE", "010110"},  {"XSC_PROGRAM_KEY", "010010"}, {"XSC_DNA", "010111"},
      {"CFG_OUT", "000100"},      {"CFG_IN", "000101"},        {"JPROGRAM", "001011"},        {"JSTART", "001100"},
      {"JSHUTDOWN", "001101"},    {"FUSE_CTS", "110000"},      {"FUSE_KEY", "110001"},        {"FUSE_DNA", "110010"},
      {"FUSE_USER", "110011"},    {"FUSE_CNTL", "110100"},     {"USER1", "000010"},           {"USER2", "000011"},
      {"USER3", "100010"},        {"USER4", "100011"},         {"XADC_DRP", "110111"},        {"INTEST_RSVD", "000111"},
  };
  TBSDLBuildCaches caches;
  auto entity = BuildBSDLEntity(BuiltInBSDL(7), caches);
  ASSERT_EQ(entity->InstructionOpCodes.size(), 32u);  // SAMPLE and PRELOAD stay two opcodes
  for (std::size_t i = 0; i < 32; ++i) {
    EXPECT_EQ(entity->InstructionOpCodes[i]->InstructionName, expected[i][0]);
    EXPECT_EQ(entity->InstructionOpCodes[i]->OpCodePattern, expected[i][1]);
  }
  const std::vector<std::string> descriptions = {
      "DATAREG[57] (XSC_DNA(010111))", "BYPASS     (HIGHZ(001010),BYPASS(111111))",
      "DEVICE_ID  (USERCODE(001000),IDCODE(001001))",
      "BOUNDARY   (SAMPLE(000001),PRELOAD(000001),EXTEST(100110),EXTEST_PULSE(111100),EXTEST_TRAIN(111101))"};
  ASSERT_EQ(entity->RegisterAssociations.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(entity->RegisterAssociations[i]->GetDescriptionText(), descriptions[i]);
    EXPECT_EQ(entity->RegisterAssociations[i]->RegisterLength, 0);
  }
  // BOUNDARY lists the very opcode objects of the entity's list.
  const auto& boundary = entity->RegisterAssociations[3]->InstructionOpCodes;
  const std::size_t opcodeIndex[] = {3, 4, 2, 7, 8};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(boundary[i].second, entity->InstructionOpCodes[opcodeIndex[i]].get());
}

TEST(BuiltInBSDL, IndexOfFileName) {
  EXPECT_EQ(IndexOfBuiltInBSDL("XC7A200T_FFG1156.bsd"), 7);
  EXPECT_EQ(IndexOfBuiltInBSDL("xc7a100t_fgg676.BSD"), 3);
  EXPECT_EQ(IndexOfBuiltInBSDL("unknown.bsd"), 0);
  EXPECT_EQ(IndexOfBuiltInBSDL(""), 0);
}

TEST(BuiltInBSDL, EntityOfARecordKeepsTheFieldsNoRecordFeeds) {
  TBSDLBuildCaches caches;
  auto entity = BuildBSDLEntity(BuiltInBSDL(0), caches);
  EXPECT_EQ(entity->Filename, "XC7A100T_CSG324.bsd");
  EXPECT_EQ(entity->BoundaryLength, 989);
  EXPECT_EQ(entity->InstructionLength, 0);
  EXPECT_EQ(entity->IdCode, 0u);
  EXPECT_EQ(entity->Instruction_IDCODE, 0xFFFFFFFFu);
  EXPECT_EQ(entity->Instruction_BYPASS, 0xFFFFFFFFu);
  EXPECT_EQ(entity->Instruction_SAMPLE, 1u);
  EXPECT_TRUE(entity->PinMappings.empty());
  EXPECT_EQ(entity->DesignWarning, "");
  EXPECT_EQ(entity->TAP_TRST, nullptr);
}

// The telling rows of the vendor's XC7A100T_CSG324 description.
TEST(BuiltInBSDL, TellingRowsOfTheVendorFile) {
  if (!HasBuiltInRows(0))
    GTEST_SKIP() << "the built-in rows were generated without the vendor's XC7A100T_CSG324.bsd "
                    "(ARTIX7_VENDOR_BSDL_DIR held no file)";
  TBSDLBuildCaches caches;
  auto entity = BuildBSDLEntity(BuiltInBSDL(0), caches);
  ASSERT_EQ(entity->BoundaryCells.size(), 989u);
  EXPECT_EQ(entity->Pins.size(), 324u);
  const TBoundaryCell& c301 = *entity->BoundaryCells[301];
  EXPECT_EQ(c301.PortId, "IO_A3");
  ASSERT_NE(c301.Pin, nullptr);
  EXPECT_EQ(c301.Pin->PinNumber, "A3");
  EXPECT_EQ(c301.ControlCell, entity->BoundaryCells[300].get());
  EXPECT_EQ(entity->BoundaryCells[300]->TargetCell, &c301);
  EXPECT_EQ(entity->BoundaryCells[300]->Pin, nullptr);
  EXPECT_EQ(c301.Pin->BoundaryCells, (std::vector<TBoundaryCell*>{entity->BoundaryCells[301].get(),
                                                                   entity->BoundaryCells[302].get()}));
  EXPECT_EQ(c301.Pin->PinMapping->PinName, "IO_A3");
  EXPECT_EQ(c301.Pin->PinMapping->ScanPin, c301.Pin);
  EXPECT_EQ(entity->BoundaryCells[1]->PortId, "CCLK_E9");
  EXPECT_EQ(entity->BoundaryCells[988]->CellFunction, eCellFunction_Internal);
  EXPECT_EQ(entity->TAP_TCK->Direction, eElectricInput);
}

// The committed rows are what the generator writes from ARTIX7_VENDOR_BSDL_DIR.
TEST(BuiltInBSDL, CommittedRowsMatchTheGenerator) {
  const std::filesystem::path out = std::filesystem::temp_directory_path() / "artix7_bsdl_rows_test.cpp";
  int exitCode = -1;
  testing_support::RunProgram({testing_support::BinDir() + "/artix7_bsdl_rows", out.string(), ARTIX7_VENDOR_BSDL_DIR},
                              &exitCode);
  ASSERT_EQ(exitCode, 0);
  auto read = [](const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  };
  EXPECT_EQ(read(out), read(testing_support::SourceDir() + "/bsdl/Device_Artix7_BsdlRows.cpp"))
      << "regenerate with: cmake --build --preset default --target bsdl_rows";
  std::filesystem::remove(out);
}

}  // namespace
