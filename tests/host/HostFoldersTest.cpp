#include "host/HostFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/Files.h"
#include "platform/Module.h"
#include "support/HostFixture.h"
#include "support/TestSupport.h"
#include "support/TempFolder.h"

using testing_support::TTempFolder;

class HostFolders : public testing_support::THostTest {
 protected:
  ~HostFolders() override { SetHostFolderOverride({}); }
  TTempFolder HostDir;
  TTempFolder PluginA;
  TTempFolder PluginB;
  void UseHostDir() { SetHostFolderOverride(HostDir.Path()); }
};

TEST_F(HostFolders, FoldersEndInTheSeparator) {
  EXPECT_EQ(PluginFolder(), platform::ExtractFilePath(platform::ExecutableFile()));  // this test links the code in
  EXPECT_EQ(PluginLibraryFolder(), PluginFolder() + "Library/");
  EXPECT_EQ(HostFolder(), platform::ExtractFilePath(platform::ExecutableFile()));
  EXPECT_EQ(HostSystemFolder(), HostFolder() + "System/");
  UseHostDir();
  EXPECT_EQ(HostSystemFolder(), HostDir.Path() + "System/");
}

TEST_F(HostFolders, RegisteredFoldersFollowTheRegistryAndLeaveOutSkippedEntries) {
  Host.PluginRegistry().Add(PluginA.Path());
  Host.PluginRegistry().Add("/skipped/", true);
  Host.PluginRegistry().Add(PluginB.Path().substr(0, PluginB.Path().size() - 1));  // no final separator
  EXPECT_EQ(RegisteredPluginFolders(), (std::vector<std::string>{PluginA.Path(), PluginB.Path()}));
}

TEST_F(HostFolders, FindHostFileLooksInTheSystemFolderFirst) {
  UseHostDir();
  Host.PluginRegistry().Add(PluginA.Path());
  Host.PluginRegistry().Add(PluginB.Path());
  PluginB.Write("AlteraVersions.Txt", "9.1\n");
  EXPECT_EQ(FindHostFile("AlteraVersions.Txt"), PluginB.Path() + "AlteraVersions.Txt");
  PluginA.Write("AlteraVersions.Txt", "9.1\n");
  EXPECT_EQ(FindHostFile("AlteraVersions.Txt"), PluginA.Path() + "AlteraVersions.Txt");
  HostDir.Write("System/AlteraVersions.Txt", "9.1\n");
  EXPECT_EQ(FindHostFile("AlteraVersions.Txt"), HostDir.Path() + "System/AlteraVersions.Txt");
  EXPECT_EQ(FindHostFile("Nothing.txt"), "");
}

TEST_F(HostFolders, EmbeddedExtensionFolderIsWhereTheToolchainManagerFileIs) {
  UseHostDir();
  Host.PluginRegistry().Add(PluginA.Path());
  Host.PluginRegistry().Add(PluginB.Path());
  EXPECT_EQ(EmbeddedExtensionFolder(), "/");
  PluginB.Write(kToolchainManagerFile, "");
  EXPECT_EQ(EmbeddedExtensionFolder(), PluginB.Path());
  HostDir.Write(std::string("System/") + kToolchainManagerFile, "");
  EXPECT_EQ(EmbeddedExtensionFolder(), HostDir.Path() + "System/");
}

TEST_F(HostFolders, WithoutAClientThereAreNoRegisteredFolders) {
  Host.PluginRegistry().Add(PluginA.Path());
  Host.SetClientAvailable(false);
  EXPECT_TRUE(RegisteredPluginFolders().empty());
}

TEST(HostPaths, RelativePaths) {
  struct TCase {
    const char* Path;
    bool Relative;
  } cases[] = {
      {"Xilinx/lib.SchLib", true}, {"lib.IntLib", true},      {"/opt/lib.IntLib", false},
      {"C:\\lib.IntLib", false},   {"\\\\server\\x", false}, {"", true},
  };
  for (const TCase& c : cases) EXPECT_EQ(IsRelativePath(c.Path), c.Relative) << c.Path;
}

TEST(HostPaths, TemporaryFilesStartWithPro) {
  TTempFolder folder;
  setenv("TMPDIR", folder.Path().c_str(), 1);
  EXPECT_EQ(TempFolder(), folder.Path());
  const std::string file = NewTempFileName();
  EXPECT_EQ(platform::ExtractFilePath(file), folder.Path());
  EXPECT_EQ(platform::ExtractFileName(file).rfind("Pro", 0), 0u);
  unsetenv("TMPDIR");
}

TEST_F(HostFolders, HostModulesComeFromTheProcessOrFromTheHostFolders) {
  UseHostDir();
  EXPECT_EQ(LoadHostModule("NoSuchModule.so"), nullptr);
  Host.PluginRegistry().Add(testing_support::BinDir() + "/");
  void* module = LoadHostModule("Device_Artix7.QLL");
  ASSERT_NE(module, nullptr);
  EXPECT_NE(platform::FindExport(module, "GetQuillDriverCount"), nullptr);
  platform::FreeModule(module);
}
