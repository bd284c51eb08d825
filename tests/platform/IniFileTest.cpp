#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

using platform::TIniFile;

TEST(IniFile, ReadsWithTheSystemProfileRules) {
  const TIniFile ini = TIniFile::FromText(
      "\xEF\xBB\xBF; comment line\r\n"
      "[General]\r\n"
      "  DeviceFamily =  Artix7  \r\n"
      "deviceFAMILY=Second\r\n"
      "Quoted=\"  spaced  \"\r\n"
      "Empty=\r\n"
      "Equals=a=b\r\n"
      "[general]\r\n"
      "Later=1\r\n"
      "DeviceFamily=FromRepeatedSection\r\n"
      "[Other]\n"
      "Key=other\n");
  struct TCase {
    const char* Section;
    const char* Key;
    const char* Expected;
  } cases[] = {
      {"General", "DeviceFamily", "Artix7"},  // trimmed; the first occurrence wins
      {"GENERAL", "devicefamily", "Artix7"},  // sections and keys without case
      {"General", "Quoted", "  spaced  "},    // one pair of quotes removed, inside kept
      {"General", "Equals", "a=b"},
      {"General", "Later", "1"},  // a repeated section continues the first one
      {"Other", "Key", "other"},
      {"General", "Missing", "fallback"},
      {"Nowhere", "Key", "fallback"},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(ini.ReadString(c.Section, c.Key, "fallback"), c.Expected) << c.Section << "." << c.Key;
  EXPECT_TRUE(ini.HasKey("General", "Empty"));
  EXPECT_EQ(ini.ReadString("General", "Empty", "fallback"), "");
}

TEST(IniFile, MissingFileReadsAsEmpty) {
  const TIniFile ini("/nonexistent/QuillConfig.ini");
  EXPECT_FALSE(ini.Exists());
  EXPECT_EQ(ini.ReadString("General", "DeviceFamily"), "");
}

TEST(IniFile, ReadsAFileOnDisk) {
  testing_support::TTempFolder folder;
  const TIniFile ini(folder.Write("QuillConfig.ini", "[General]\nDeviceVendor=Xilinx\n"));
  EXPECT_TRUE(ini.Exists());
  EXPECT_EQ(ini.ReadString("General", "DeviceVendor"), "Xilinx");
}
