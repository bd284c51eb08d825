// Finding a description file: the library path of a bare name, and the file itself, its copy
// in the temporary folder, or that copy extracted from an archive beside it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bsdl/BSDLEntity.h"
#include "host/HostFolders.h"
#include "support/TempFolder.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using testing_support::RunProgram;
using testing_support::TTempFolder;

namespace {

TEST(BSDLFileLookup, DetermineFullPathPlacesBareNamesInTheLibrary) {
  const std::string name = "XC7A100T_CSG324.bsd";
  EXPECT_EQ(TBSDLEntity::DetermineFullPath(name, "Xilinx", "Artix7", ""),
            PluginLibraryFolder() + "BSDL/Xilinx/Artix7/" + name);
  EXPECT_EQ(TBSDLEntity::DetermineFullPath(name, "Xilinx", "Artix7", "/lib"), "/lib/BSDL/Xilinx/Artix7/" + name);
  EXPECT_EQ(TBSDLEntity::DetermineFullPath(name, "Xilinx", "Artix7", "/lib/"), "/lib/BSDL/Xilinx/Artix7/" + name);
  for (const char* full : {"C:\\bsdl\\x.bsd", "\\\\server\\share\\x.bsd", "/opt/bsdl/x.bsd", "D:x.bsd"})
    EXPECT_EQ(TBSDLEntity::DetermineFullPath(full, "Xilinx", "Artix7", "/lib"), full);
}

class BSDLFileLookupFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* previous = std::getenv("TMPDIR");
    savedTmp = previous != nullptr ? previous : "";
    fs::create_directories(temp.Path() + "tmp");
    setenv("TMPDIR", (temp.Path() + "tmp").c_str(), 1);
    source = library.Path() + "BSDL/Xilinx/Artix7/XC7A100T_CSG324.bsd";
    fs::create_directories(fs::path(source).parent_path());
  }
  void TearDown() override {
    if (savedTmp.empty()) unsetenv("TMPDIR");
    else setenv("TMPDIR", savedTmp.c_str(), 1);
  }
  std::string TempCopy(const std::string& name = "XC7A100T_CSG324.bsd") const {
    return IncludeTrailing(temp.Path() + "tmp") + name;
  }
  static std::string IncludeTrailing(std::string s) { return s.back() == '/' ? s : s + "/"; }
  static std::string Read(const std::string& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // An archive beside the source file, made by Debian's zip from the given files.
  void DebianZip(const std::string& archive, const std::vector<std::pair<std::string, std::string>>& files) {
    TTempFolder staging;
    std::string list;
    for (const auto& [name, content] : files) {
      staging.Write(name, content);
      list += " '" + name + "'";
    }
    int code = -1;
    RunProgram({"/bin/sh", "-c", "cd '" + staging.Path() + "' && /usr/bin/zip -qj '" + archive + "'" + list}, &code);
    ASSERT_EQ(code, 0) << "Debian's zip is needed";
  }

  TTempFolder temp, library;
  std::string source, savedTmp;
};

TEST_F(BSDLFileLookupFiles, AnArchiveIsExtractedOnceAndItsCopyFoundAfterwards) {
  const std::string archive = library.Path() + "BSDL/Xilinx/Artix7/XC7A100T_CSG324.Zip";
  DebianZip(archive, {{"XC7A100T_CSG324.bsd", "entity XC7A100T_CSG324 is"}, {"readme.txt", "x"}});
  EXPECT_EQ(TBSDLEntity::FindFullBSDLPath(source), TempCopy());
  EXPECT_EQ(Read(TempCopy()), "entity XC7A100T_CSG324 is");
  EXPECT_TRUE(fs::exists(TempCopy("readme.txt")));  // every file of the archive is extracted
  // The second look-up finds the copy without opening the archive (now unreadable).
  std::ofstream(archive, std::ios::trunc) << "garbage";
  EXPECT_EQ(TBSDLEntity::FindFullBSDLPath(source), TempCopy());
}

TEST_F(BSDLFileLookupFiles, TheFileItselfWinsOverATemporaryCopy) {
  std::ofstream(source) << "library file";
  std::ofstream(TempCopy()) << "temporary copy";
  EXPECT_EQ(TBSDLEntity::FindFullBSDLPath(source), source);
  fs::remove(source);
  EXPECT_EQ(TBSDLEntity::FindFullBSDLPath(source), TempCopy());
}

TEST_F(BSDLFileLookupFiles, AnArchiveWithoutTheFileGivesNothingButLeavesItsFiles) {
  const std::string archive = library.Path() + "BSDL/Xilinx/Artix7/XC7A100T_CSG324.zip";  // Python's, lower case
  int code = -1;
  RunProgram({"/usr/bin/python3", "-c",
              "import zipfile,sys\nz=zipfile.ZipFile(sys.argv[1],'w')\nz.writestr('sub/other.bsd','o')\nz.close()\n",
              archive},
             &code);
  ASSERT_EQ(code, 0);
  EXPECT_EQ(TBSDLEntity::FindFullBSDLPath(source), "");
  EXPECT_EQ(Read(TempCopy("other.bsd")), "o");
}

TEST_F(BSDLFileLookupFiles, MissingFilesGiveAnEmptyPath) {
  EXPECT_EQ(TBSDLEntity::FindFullBSDLPath(source), "");
  EXPECT_EQ(TBSDLEntity::FindFullBSDLPath(""), "");
  EXPECT_EQ(TBSDLEntity::FindFullBSDLPath(library.Path()), "");
}

TEST_F(BSDLFileLookupFiles, QuillhostPrintsThePathOrExitsWithOne) {
  const std::string quillhost = testing_support::BinDir() + "/quillhost";
  int code = -1;
  EXPECT_EQ(RunProgram({quillhost, "bsdl-path", "Xilinx", "Artix7", "XC7A100T_CSG324.bsd", "--library", library.Path()},
                       &code),
            "");
  EXPECT_EQ(code, 1);
  std::ofstream(source) << "library file";
  EXPECT_EQ(RunProgram({quillhost, "bsdl-path", "Xilinx", "Artix7", "XC7A100T_CSG324.bsd", "--library", library.Path()},
                       &code),
            source + "\n");
  EXPECT_EQ(code, 0);
}

}  // namespace
