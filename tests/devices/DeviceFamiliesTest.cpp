#include "devices/DeviceFamilies.h"

#include <gtest/gtest.h>

#include "support/HostFixture.h"
#include "support/TestSupport.h"
#include "support/TempFolder.h"

using testing_support::TTempFolder;

class DeviceFamilies : public testing_support::THostTest {
 protected:
  DeviceFamilies() { ResetDeviceFamilies(); }
  ~DeviceFamilies() override { ResetDeviceFamilies(); }
  // A plug-in folder with the given QuillConfig.ini, registered in the host.
  const TTempFolder& Plugin(const std::string& config, bool skipped = false) {
    auto& folder = FFolders.emplace_back(std::make_unique<TTempFolder>());
    folder->Write(kQuillConfigFile, config);
    Host.PluginRegistry().Add(folder->Path(), skipped);
    return *folder;
  }

 private:
  std::vector<std::unique_ptr<TTempFolder>> FFolders;
};

TEST_F(DeviceFamilies, BuiltInRowsNameTheirVendorsAndEdifLibraries) {
  const auto& families = ::DeviceFamilies();
  EXPECT_EQ(families.size(), 77u);
  struct TCase {
    const char* Family;
    const char* Vendor;
    const char* EDIF;
  } cases[] = {
      {"ProASICPlus", "Actel", "PROASICPLUS"}, {"IGLOOnano", "Actel", "IGLOOnano"},
      {"Cyclone4GX", "Altera", "CYCLONE4GX"},  {"ispMACH4000Z", "Lattice", "ispMACH4000Z"},
      {"MachXO2", "Lattice", "MACHXO2"},       {"Spartan3ADSP", "Xilinx", "SPARTAN3ADSP"},
      {"XCF", "Xilinx", ""},                   {"BLUESTREAK", "Sharp", ""},
      {"STM32", "STMicroelectronics", ""},     {"Stellaris", "TexasInstruments", ""},
  };
  for (const TCase& c : cases) {
    ASSERT_EQ(families.count(c.Family), 1u) << c.Family;
    EXPECT_EQ(families.at(c.Family).VendorName, c.Vendor) << c.Family;
    EXPECT_EQ(families.at(c.Family).EDIF, c.EDIF) << c.Family;
  }
  EXPECT_EQ(GetDeviceFamilyVendor("Artix7"), "");
  EXPECT_EQ(GetDeviceFamilyVendor("spartan6"), "");  // keys compare with case
}

TEST_F(DeviceFamilies, AConfigurationFileAddsItsFamily) {
  Plugin("[General]\nDeviceFamily=Artix7\nDeviceVendor=Xilinx\nEDIF=ARTIX7\n");
  EXPECT_EQ(GetDeviceFamilyVendor("Artix7"), "Xilinx");
  EXPECT_EQ(::DeviceFamilies().at("Artix7").EDIF, "ARTIX7");
}

TEST_F(DeviceFamilies, AnIncompleteDeclarationAddsNothing) {
  Plugin("[General]\nDeviceFamily=Artix7\nDeviceVendor=Xilinx\n");
  Plugin("[General]\nDeviceFamily=Artix7\nDeviceVendor=\nEDIF=X\n");
  EXPECT_EQ(GetDeviceFamilyVendor("Artix7"), "");
}

TEST_F(DeviceFamilies, ALaterFolderOverridesEarlierOnesAndBuiltInRows) {
  Plugin("[General]\nDeviceFamily=Artix7\nDeviceVendor=First\nEDIF=A\n");
  Plugin("[General]\nDeviceFamily=Artix7\nDeviceVendor=Second\nEDIF=A\n");
  Plugin("[General]\nDeviceFamily=Spartan6\nDeviceVendor=Other\nEDIF=S6\n");
  EXPECT_EQ(GetDeviceFamilyVendor("Artix7"), "Second");
  EXPECT_EQ(GetDeviceFamilyVendor("Spartan6"), "Other");
}

TEST_F(DeviceFamilies, SkippedRegistryEntriesContributeNothing) {
  Plugin("[General]\nDeviceFamily=Artix7\nDeviceVendor=Xilinx\nEDIF=A\nUseUpdateIROnStart=1\n", true);
  EXPECT_EQ(GetDeviceFamilyVendor("Artix7"), "");
  EXPECT_FALSE(GetValueFromExtensionsAsFlag("Artix7", "UseUpdateIROnStart", "General"));
}

TEST_F(DeviceFamilies, TheRegistryIsBuiltOnceButValuesAreReadAfresh) {
  EXPECT_EQ(GetDeviceFamilyVendor("Artix7"), "");
  const TTempFolder& folder = Plugin("[General]\nDeviceFamily=Artix7\nDeviceVendor=Xilinx\nEDIF=A\n");
  EXPECT_EQ(GetDeviceFamilyVendor("Artix7"), "");  // built before the folder came
  std::string value;
  EXPECT_FALSE(GetValueFromExtensions("Artix7", "UseUpdateIROnStart", "General", value));
  folder.Write(kQuillConfigFile, "[General]\nDeviceFamily=Artix7\nUseUpdateIROnStart=1\n");
  EXPECT_TRUE(GetValueFromExtensions("Artix7", "UseUpdateIROnStart", "General", value));
  EXPECT_EQ(value, "1");
}

TEST_F(DeviceFamilies, TheFamilyOfAFileMatchesWithoutCaseForValues) {
  Plugin("[General]\nDeviceFamily=artix7\nDeviceVendor=Xilinx\nEDIF=A\n[Startup]\nMode=fast\n");
  EXPECT_EQ(GetDeviceFamilyVendor("Artix7"), "");
  std::string value;
  EXPECT_TRUE(GetValueFromExtensions("Artix7", "mode", "STARTUP", value));
  EXPECT_EQ(value, "fast");
  EXPECT_FALSE(GetValueFromExtensions("Kintex7", "Mode", "Startup", value));
  EXPECT_EQ(value, "");
}

TEST_F(DeviceFamilies, IntegerAndFlagForms) {
  struct TCase {
    const char* Value;
    std::int32_t Integer;
    bool Flag;
  } cases[] = {{"yes", -1, true}, {"0", 0, false}, {"1", 1, true}, {"$10", 16, true}, {" 7 ", 7, true}};
  for (const TCase& c : cases) {
    ResetDeviceFamilies();
    Host.PluginRegistry().Clear();
    Plugin(std::string("[General]\nDeviceFamily=Artix7\nUseUpdateIROnStart=") + c.Value + "\n");
    std::int32_t integer = 12345;
    EXPECT_TRUE(GetValueFromExtensions("Artix7", "UseUpdateIROnStart", "General", integer)) << c.Value;
    EXPECT_EQ(integer, c.Integer) << c.Value;
    EXPECT_EQ(GetValueFromExtensionsAsFlag("Artix7", "UseUpdateIROnStart", "General"), c.Flag) << c.Value;
  }
}

TEST_F(DeviceFamilies, AMatchingFileWithoutTheKeyDoesNotEndTheSearch) {
  Plugin("[General]\nDeviceFamily=Artix7\n");
  Plugin("[General]\nDeviceFamily=Kintex7\nUseUpdateIROnStart=0\n");
  Plugin("[General]\nDeviceFamily=Artix7\nUseUpdateIROnStart=\n");
  Plugin("[General]\nDeviceFamily=Artix7\nUseUpdateIROnStart=1\n");
  Plugin("[General]\nDeviceFamily=Artix7\nUseUpdateIROnStart=0\n");
  EXPECT_TRUE(GetValueFromExtensionsAsFlag("Artix7", "UseUpdateIROnStart", "General"));
}

TEST_F(DeviceFamilies, WithoutAClientOnlyTheBuiltInRowsExist) {
  Plugin("[General]\nDeviceFamily=Artix7\nDeviceVendor=Xilinx\nEDIF=A\nUseUpdateIROnStart=1\n");
  Host.SetClientAvailable(false);
  EXPECT_EQ(::DeviceFamilies().size(), 77u);
  EXPECT_FALSE(GetValueFromExtensionsAsFlag("Artix7", "UseUpdateIROnStart", "General"));
}

TEST_F(DeviceFamilies, TheShippedConfigurationDeclaresArtix7) {
  Host.PluginRegistry().Add(testing_support::SourceDir() + "/config/");
  EXPECT_EQ(GetDeviceFamilyVendor("Artix7"), "Xilinx");
  EXPECT_FALSE(::DeviceFamilies().at("Artix7").EDIF.empty());
}
