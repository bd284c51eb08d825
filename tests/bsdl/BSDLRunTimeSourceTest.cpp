// A description without built-in rows comes from the part's BSDL file found at run time; a
// file that does not read or does not describe the part is refused, and said so once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "bsdl/BSDLDataList.h"
#include "bsdl/BSDLFileSource.h"
#include "bsdl/Device_Artix7_Bsdl.h"
#include "support/TestSupport.h"

namespace {

// A description of the XC7A100T_CSG324 identity with `length` internal cells.
std::string CsgDescription(int length, const std::string& entity = "XC7A100T_CSG324") {
  std::string s = "entity " + entity + " is\n"
                  "port (TCK_E10, TDI_E11, TMS_E12: in bit; TDO_E13: out bit);\n"
                  "constant CSG324: PIN_MAP_STRING := \"TCK_E10:E10,TDI_E11:E11,TMS_E12:E12,TDO_E13:E13\";\n"
                  "attribute TAP_SCAN_IN of TDI_E11 : signal is true;\n"
                  "attribute TAP_SCAN_OUT of TDO_E13 : signal is true;\n"
                  "attribute TAP_SCAN_MODE of TMS_E12 : signal is true;\n"
                  "attribute TAP_SCAN_CLOCK of TCK_E10 : signal is (66.0e6, BOTH);\n"
                  "attribute BOUNDARY_LENGTH of " + entity + " : entity is " + std::to_string(length) + ";\n"
                  "attribute BOUNDARY_REGISTER of " + entity + " : entity is\n";
  for (int i = 0; i < length; ++i)
    s += "  \"" + std::to_string(i) + " (BC_2, *, internal, X)" + (i + 1 < length ? ",\" &\n" : "\";\n");
  return s + "end " + entity + ";\n";
}

class RunTimeSource : public ::testing::Test {
 protected:
  void SetUp() override {
    if (HasBuiltInRows(0)) GTEST_SKIP() << "the CSG324 description has built-in rows";
    Folder = std::filesystem::temp_directory_path() / ("artix7_bsdl_" + std::to_string(::getpid()));
    std::filesystem::create_directories(Folder);
    setenv("ARTIX7_BSDL_PATH", ("/nonexistent:" + Folder.string()).c_str(), 1);
    SetBSDLProblemReporter([this](const std::string&, const std::string& message) { Messages.push_back(message); });
  }
  void TearDown() override {
    SetBSDLProblemReporter(nullptr);
    unsetenv("ARTIX7_BSDL_PATH");
    std::filesystem::remove_all(Folder);
  }
  void Write(const std::string& name, const std::string& content) { std::ofstream(Folder / name) << content; }

  std::filesystem::path Folder;
  std::vector<std::string> Messages;
  TBSDLDataList List;
  TBSDLBuildCaches Caches;
};

TEST_F(RunTimeSource, NoFileGivesNothingAndIsLookedForAgain) {
  EXPECT_EQ(List.GetEntity("XC7A100T_CSG324.bsd", Caches), nullptr);
  Write("xc7a100t_csg324.bsd", CsgDescription(989));  // vendor installations use lower case
  TBSDLEntity* entity = List.GetEntity("XC7A100T_CSG324.bsd", Caches);
  ASSERT_NE(entity, nullptr);
  EXPECT_EQ(entity->BoundaryCells.size(), 989u);
  EXPECT_EQ(entity->Pins.size(), 4u);
  EXPECT_EQ(entity->TAP_TDI->PinNumber, "E11");
  EXPECT_EQ(entity->InstructionOpCodes.size(), 32u);  // the compiled fields stay the record's
  EXPECT_EQ(entity->Filename, "XC7A100T_CSG324.bsd");
  EXPECT_EQ(List.GetEntity("xc7a100t_csg324.BSD", Caches), entity);  // kept for the driver's life
  EXPECT_TRUE(Messages.empty());
}

TEST_F(RunTimeSource, NameNotOfTheEightGivesNothing) {
  EXPECT_EQ(List.GetEntity("XC7K325T_FFG900.bsd", Caches), nullptr);
}

TEST_F(RunTimeSource, DisagreeingOrBadFilesAreRefusedAndReportedOnce) {
  struct TCase {
    const char* What;
    std::string Content;
    const char* Fragment;
  };
  const TCase cases[] = {
      {"boundary length", CsgDescription(990), "BOUNDARY_LENGTH is 990, the part has 989"},
      {"entity name", CsgDescription(989, "XC7A100T_FTG256"), "the entity is XC7A100T_FTG256"},
      {"parse error", CsgDescription(989).substr(0, 600), "cannot be read"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    Messages.clear();
    TBSDLDataList list;
    Write("XC7A100T_CSG324.bsd", c.Content);
    EXPECT_EQ(list.GetEntity("XC7A100T_CSG324.bsd", Caches), nullptr);
    EXPECT_EQ(list.GetEntity("XC7A100T_CSG324.bsd", Caches), nullptr);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_NE(Messages[0].find(c.Fragment), std::string::npos) << Messages[0];
  }
}

TEST_F(RunTimeSource, TapPinsMustAgree) {
  std::string content = CsgDescription(989);
  content.replace(content.find("TDI_E11:E11"), 11, "TDI_E11:F11");
  Write("XC7A100T_CSG324.bsd", content);
  EXPECT_EQ(List.GetEntity("XC7A100T_CSG324.bsd", Caches), nullptr);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_NE(Messages[0].find("the TDI pin is F11, the part has E11"), std::string::npos) << Messages[0];
}

TEST_F(RunTimeSource, LibraryLookupComesFirst) {
  const std::filesystem::path library = Folder / "library";
  std::filesystem::create_directories(library);
  std::ofstream(library / "XC7A100T_CSG324.bsd") << CsgDescription(989);
  Write("XC7A100T_CSG324.bsd", CsgDescription(990));  // would be refused
  SetBSDLLibraryLookup([&](const std::string& name) { return (library / name).string(); });
  EXPECT_NE(List.GetEntity("XC7A100T_CSG324.bsd", Caches), nullptr);
  SetBSDLLibraryLookup(nullptr);
  EXPECT_TRUE(Messages.empty());
}

}  // namespace
