// quillhost runs its verbs inside the simulated host.
#include <gtest/gtest.h>

#include "support/TempFolder.h"
#include "support/TestSupport.h"

using testing_support::BinDir;
using testing_support::RunProgram;

namespace {

std::string Quillhost(std::vector<std::string> args, int* exitCode = nullptr) {
  args.insert(args.begin(), BinDir() + "/quillhost");
  return RunProgram(args, exitCode);
}

}  // namespace

TEST(QuillhostHost, TheDefaultRegistryHoldsThePluginFolder) {
  EXPECT_EQ(Quillhost({"call", "0", "503381"}), "VT_BSTR \"Xilinx Artix7 XC7A100T-1CSG324C\"\n");
  EXPECT_EQ(Quillhost({"--no-default-registry", "call", "0", "503381"}), "VT_BSTR \" Artix7 XC7A100T-1CSG324C\"\n");
}

TEST(QuillhostHost, RegistryFoldersAreAddedInOrder) {
  testing_support::TTempFolder first, second;
  first.Write("QuillConfig.ini", "[General]\nDeviceFamily=Artix7\nDeviceVendor=First\nEDIF=A\n");
  second.Write("QuillConfig.ini", "[General]\nDeviceFamily=Artix7\nDeviceVendor=Second\nEDIF=A\n");
  EXPECT_EQ(Quillhost({"--no-default-registry", "--registry-folder", first.Path(), "--registry-folder", second.Path(),
                       "call", "0", "503381"}),
            "VT_BSTR \"Second Artix7 XC7A100T-1CSG324C\"\n");
  EXPECT_EQ(Quillhost({"--registry-folder", first.Path(), "call", "0", "503407"}), "VT_BSTR \"First\"\n");
}

TEST(QuillhostHost, DriverAnswersOfTheFrameworkBase) {
  struct TCase {
    std::vector<std::string> Args;
    std::string Output;
  } cases[] = {
      {{"call", "0", "503761", "str:fpga"}, "VT_BOOL true\n"},
      {{"call", "0", "503761", "str:Action=Flash_ResetDevice"}, "VT_BOOL false\n"},
      {{"call", "0", "503761", "str:Action=ResetDevice"}, "VT_BOOL true\n"},
      {{"call", "0", "503761", "str:ToolchainName=X"}, "VT_BOOL false\n"},
      {{"call", "0", "503792"}, "VT_BSTR \".EDN\"\n"},
      {{"call", "0", "509312"}, "VT_BSTR \"" + BinDir() + "/Library/\"\n"},
  };
  for (const TCase& c : cases) EXPECT_EQ(Quillhost(c.Args), c.Output) << c.Args[3 % c.Args.size()];
}

TEST(QuillhostHost, VendorToolsFromAConfigurationFile) {
  testing_support::TTempFolder folder;
  const std::string ini = folder.Write("tools.ini", "[Xilinx]\nPresent=1\nUpToDate=1\nDescriptor=Xilinx ISE 14.7\n");
  EXPECT_EQ(Quillhost({"--vendor-tools", ini, "call", "0", "503763"}), "VT_BSTR \"Xilinx ISE 14.7\"\n");
  EXPECT_EQ(Quillhost({"call", "0", "503764"}), "VT_BOOL false\n");
  int exitCode = 0;
  Quillhost({"--vendor-tools", folder.Path() + "missing.ini", "call", "0", "503763"}, &exitCode);
  EXPECT_EQ(exitCode, 1);
}

TEST(QuillhostHost, LogPrintsTheHostEventLogAfterTheRun) {
  const std::string out = Quillhost({"call", "0", "503381", "--log"});
  EXPECT_EQ(out.rfind("VT_BSTR \"Xilinx Artix7 XC7A100T-1CSG324C\"\nhost event log:\n", 0), 0u) << out;
  EXPECT_NE(out.find("  PluginRegistryItem.2009()\n"), std::string::npos) << out;
  const std::string list = Quillhost({"--log", "list"});
  EXPECT_NE(list.find("46\tXC7A200T-2LFFG1156E"), std::string::npos);
  EXPECT_NE(list.find("host event log:\n"), std::string::npos);
  EXPECT_NE(Quillhost({"demo", "--log"}).find("host event log:\n"), std::string::npos);
}
