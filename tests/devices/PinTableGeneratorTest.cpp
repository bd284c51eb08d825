// The committed pin tables are exactly what the generator makes from the vendor files, and the
// generator refuses data that disagrees with its cross-check.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/TestSupport.h"

namespace fs = std::filesystem;
using testing_support::RunProgram;
using testing_support::SharedDir;
using testing_support::SourceDir;

namespace {

const char* const kTables[] = {
    "DevicePinSet_XC7A100TCS324.cpp", "DevicePinSet_XC7A100TFG484.cpp",  "DevicePinSet_XC7A100TFG676.cpp",
    "DevicePinSet_XC7A100TFT256.cpp", "DevicePinSet_XC7A200TFB676.cpp",  "DevicePinSet_XC7A200TFF1156.cpp",
    "DevicePinSet_XC7A200TFB484.cpp", "DevicePinSet_XC7A200TSB484.cpp",
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

class PinTableGeneratorTest : public testing::Test {
 protected:
  void SetUp() override {
    if (SharedDir().empty() || !fs::is_directory(fs::path(SharedDir()) / "vendor"))
      GTEST_SKIP() << "the vendor files (../shared/vendor) are not present";
    FTemp = fs::temp_directory_path() / ("artix7_pins_" + std::to_string(::getpid()) + "_" +
                                          testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(FTemp);
    fs::create_directories(FTemp);
  }
  void TearDown() override {
    if (!FTemp.empty()) fs::remove_all(FTemp);
  }

  int Generate(const fs::path& vendor, const fs::path& out) {
    int exitCode = -1;
    RunProgram({"/usr/bin/env", "python3", "-B", SourceDir() + "/tools/generate_pin_tables.py", "--vendor",
                vendor.string(), "--out", out.string()},
               &exitCode);
    return exitCode;
  }

  fs::path FTemp;
};

TEST_F(PinTableGeneratorTest, RegeneratedTablesEqualTheCommittedOnes) {
  ASSERT_EQ(Generate(fs::path(SharedDir()) / "vendor", FTemp), 0);
  for (const char* name : kTables) {
    SCOPED_TRACE(name);
    const std::string generated = ReadFile(FTemp / name);
    ASSERT_FALSE(generated.empty());
    EXPECT_TRUE(generated == ReadFile(fs::path(SourceDir()) / "devices" / name))
        << "devices/" << name << " differs from the generator's output: rerun tools/generate_pin_tables.py";
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(FTemp), fs::directory_iterator()), 8);
}

// A copy of the vendor folder in which one cross-check row names another bank.
TEST_F(PinTableGeneratorTest, DisagreementWithTheCrossCheckStopsTheGenerator) {
  const fs::path vendor = FTemp / "vendor";
  fs::copy(fs::path(SharedDir()) / "vendor", vendor, fs::copy_options::recursive);
  fs::permissions(vendor, fs::perms::owner_write, fs::perm_options::add);
  for (const auto& entry : fs::recursive_directory_iterator(vendor))
    fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
  const fs::path check = vendor / "prjxray_package_pins" / "xc7a100tcsg324_package_pins.csv";
  std::string rows = ReadFile(check);
  const std::string row = "R11,14,";
  const auto at = rows.find(row);
  ASSERT_NE(at, std::string::npos);
  rows.replace(at, row.size(), "R11,15,");
  std::ofstream(check, std::ios::binary | std::ios::trunc) << rows;

  const fs::path out = FTemp / "out";
  EXPECT_EQ(Generate(vendor, out), 1);
  EXPECT_FALSE(fs::exists(out)) << "nothing is written when a package disagrees";
}

}  // namespace
