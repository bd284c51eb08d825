// Extraction of description archives made by real zip tools, including hostile ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "bsdl/ZipExtract.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using testing_support::RunProgram;

namespace {

class ZipExtractTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("zipextract_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "work" / "deep" / "deeper");
    fs::create_directories(root / "out");
    outside = root / "work";  // anything new here (outside "out") is an escape
  }
  void TearDown() override { fs::remove_all(root); }

  static void Write(const fs::path& p, const std::string& text) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
  }
  static std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Runs a Python zipfile script with ARCHIVE bound to the archive path.
  fs::path PythonZip(const std::string& body) {
    const fs::path archive = root / "py.zip";
    int code = -1;
    RunProgram({"/usr/bin/python3", "-c",
                "import zipfile,sys\nARCHIVE=sys.argv[1]\n" + body, archive.string()},
               &code);
    EXPECT_EQ(code, 0);
    return archive;
  }
  std::vector<std::string> OutFiles() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(root / "out")) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::size_t FilesOutside() const {
    std::size_t n = 0;
    for (const auto& e : fs::recursive_directory_iterator(root))
      if (e.is_regular_file() && e.path().parent_path() != root / "out" && e.path().extension() != ".zip") ++n;
    return n;
  }

  fs::path root, outside;
};

TEST_F(ZipExtractTest, ExtractsEveryFileFlatAndOverwritesExistingOnes) {
  Write(root / "src" / "a" / "XC7A100T_CSG324.bsd", "entity A");
  Write(root / "src" / "b" / "c" / "other.txt", "other");
  int code = -1;
  RunProgram({"/bin/sh", "-c", "cd '" + (root / "src").string() + "' && /usr/bin/zip -qr ../debian.zip a b"}, &code);
  ASSERT_EQ(code, 0) << "Debian's zip is needed";
  Write(root / "out" / "other.txt", "old content");
  EXPECT_TRUE(ExtractZipToFolder((root / "debian.zip").string(), (root / "out").string()));
  EXPECT_EQ(OutFiles(), (std::vector<std::string>{"XC7A100T_CSG324.bsd", "other.txt"}));
  EXPECT_EQ(Read(root / "out" / "XC7A100T_CSG324.bsd"), "entity A");
  EXPECT_EQ(Read(root / "out" / "other.txt"), "other");
}

TEST_F(ZipExtractTest, HostileNamesNeverWriteOutsideTheFolder) {
  const fs::path archive = PythonZip(
      "z=zipfile.ZipFile(ARCHIVE,'w')\n"
      "for n in ['../../up.txt','/tmp/abs.txt','x/../../../mid.txt','C:\\\\drive.txt','..','.','dir/','a\\\\..\\\\back.txt']:\n"
      "  z.writestr(zipfile.ZipInfo(n), 'data:'+n)\n"
      "z.close()\n");
  ASSERT_TRUE(fs::exists(archive));
  const fs::path work = root / "work" / "deep" / "deeper";
  fs::rename(root / "out", work / "out");
  EXPECT_TRUE(ExtractZipToFolder(archive.string(), (work / "out").string()));
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(work / "out")) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"abs.txt", "back.txt", "drive.txt", "mid.txt", "up.txt"}));
  std::size_t elsewhere = 0;
  for (const auto& e : fs::recursive_directory_iterator(root))
    if (e.is_regular_file() && e.path().parent_path() != work / "out" && e.path() != archive) ++elsewhere;
  EXPECT_EQ(elsewhere, 0u);
  EXPECT_FALSE(fs::exists("/tmp/abs.txt") && Read("/tmp/abs.txt") == "data:/tmp/abs.txt");
  fs::create_directories(root / "out");
}

TEST_F(ZipExtractTest, OversizedEntriesAndTooManyEntriesAreRefusedWithoutWriting) {
  const fs::path huge = PythonZip(
      "z=zipfile.ZipFile(ARCHIVE,'w',zipfile.ZIP_DEFLATED)\n"
      "z.writestr('small.txt','ok')\n"
      "z.writestr('huge.bin', bytes(65*1024*1024))\n"
      "z.close()\n");
  EXPECT_FALSE(ExtractZipToFolder(huge.string(), (root / "out").string()));
  EXPECT_TRUE(OutFiles().empty());
  const fs::path many = PythonZip(
      "z=zipfile.ZipFile(ARCHIVE,'w')\n"
      "for i in range(4097): z.writestr('f%d' % i, '')\n"
      "z.close()\n");
  EXPECT_FALSE(ExtractZipToFolder(many.string(), (root / "out").string()));
  EXPECT_TRUE(OutFiles().empty());
}

TEST_F(ZipExtractTest, CorruptOrMissingArchivesGiveFalseAndLeaveNothingHalfWritten) {
  const fs::path archive = PythonZip(
      "z=zipfile.ZipFile(ARCHIVE,'w',zipfile.ZIP_STORED)\n"
      "z.writestr('payload.bsd', 'A'*5000)\n"
      "z.close()\n");
  // Damage the stored data: the checksum no longer matches.
  std::string bytes = Read(archive);
  const auto at = bytes.find(std::string(100, 'A'));
  ASSERT_NE(at, std::string::npos);
  bytes[at + 50] = 'B';
  Write(archive, bytes);
  EXPECT_FALSE(ExtractZipToFolder(archive.string(), (root / "out").string()));
  EXPECT_TRUE(OutFiles().empty());

  Write(archive, bytes.substr(0, bytes.size() / 2));  // truncated
  EXPECT_FALSE(ExtractZipToFolder(archive.string(), (root / "out").string()));
  Write(archive, "not a zip at all");
  EXPECT_FALSE(ExtractZipToFolder(archive.string(), (root / "out").string()));
  EXPECT_FALSE(ExtractZipToFolder((root / "missing.zip").string(), (root / "out").string()));
  EXPECT_TRUE(OutFiles().empty());
  EXPECT_EQ(FilesOutside(), 0u);
}

TEST(ZipEntryTargetNameTest, KeepsOnlyTheLastComponent) {
  const std::pair<const char*, const char*> cases[] = {
      {"a.bsd", "a.bsd"}, {"dir/a.bsd", "a.bsd"}, {"../../a.bsd", "a.bsd"}, {"/abs/a.bsd", "a.bsd"},
      {"C:\\x\\a.bsd", "a.bsd"}, {"C:a.bsd", "a.bsd"}, {"dir/", ""}, {"..", ""}, {"x/.", ""}, {"", ""},
  };
  for (const auto& [stored, target] : cases) EXPECT_EQ(ZipEntryTargetName(stored), target) << stored;
}

}  // namespace
