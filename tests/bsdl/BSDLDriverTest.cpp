// GetBSDLEntity of the loaded plug-in's drivers, without and with the synthetic descriptions.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bsdl/Device_Artix7_Bsdl.h"
#include "support/TestSupport.h"

using testing_support::Invoke;
using testing_support::LoadedPlugin;

namespace {

TComPtr<IDispatch> Object(IDispatch* d, DISPID id, std::vector<TVariant> args = {}) {
  const auto r = Invoke(d, id, std::move(args));
  EXPECT_EQ(r.Status, S_OK);
  return r.Value.Type() == VT_DISPATCH ? TComPtr<IDispatch>(r.Value.Raw().pdispVal) : TComPtr<IDispatch>();
}
std::int32_t Int(IDispatch* d, DISPID id, std::vector<TVariant> args = {}) {
  const auto r = Invoke(d, id, std::move(args));
  EXPECT_EQ(r.Status, S_OK);
  return VariantToInt32(r.Value.Raw());
}
std::string Text(IDispatch* d, DISPID id) { return VariantToString(Invoke(d, id).Value.Raw()); }

std::string SyntheticFolder() { return testing_support::BinDir() + "/synthetic-bsdl"; }

// The first user-I/O ball of the vendor's CSG324 package file.
std::string FirstUserIOBall() {
  std::ifstream in(testing_support::SharedDir() + "/vendor/packages/xc7a100tcsg324pkg.txt");
  std::string ball, name, rest;
  while (in >> ball >> name && std::getline(in, rest))
    if (name.rfind("IO_", 0) == 0) return ball;
  return {};
}

TEST(BSDLDriver, WithoutAnyFileTheEntityIsNil) {
  if (HasBuiltInRows(0)) GTEST_SKIP() << "the CSG324 description has built-in rows";
  unsetenv("ARTIX7_BSDL_PATH");
  TComPtr<IDispatch> driver = LoadedPlugin().Driver(0);
  const auto r = Invoke(driver.Get(), 503406);
  EXPECT_EQ(r.Status, S_OK);
  EXPECT_EQ(r.Value.Type(), VT_DISPATCH);
  EXPECT_EQ(r.Value.Raw().pdispVal, nullptr);
  EXPECT_EQ(Text(driver.Get(), 503405), "XC7A100T_CSG324.bsd");
}

class SyntheticDescriptions : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(SyntheticFolder() + "/XC7A100T_CSG324.bsd"))
      GTEST_SKIP() << "no synthetic BSDL files (the vendor package files are absent)";
    setenv("ARTIX7_BSDL_PATH", SyntheticFolder().c_str(), 1);
  }
  void TearDown() override { unsetenv("ARTIX7_BSDL_PATH"); }
};

TEST_F(SyntheticDescriptions, CSG324EntityThroughTheDriver) {
  TComPtr<IDispatch> driver = LoadedPlugin().Driver(0);
  TComPtr<IDispatch> entity = Object(driver.Get(), 503406);
  ASSERT_TRUE(entity);
  EXPECT_EQ(Int(entity.Get(), 503461), 989);
  EXPECT_EQ(Int(entity.Get(), 503469), 989);
  EXPECT_EQ(Int(entity.Get(), 503467), 324);
  EXPECT_EQ(Text(Object(entity.Get(), 503472).Get(), 503492), "E11");
  EXPECT_FALSE(Object(entity.Get(), 503476));
  EXPECT_EQ(Int(entity.Get(), 503479), 1);
  EXPECT_EQ(Int(entity.Get(), 503480), -1);
  TComPtr<IDispatch> cell1 = Object(entity.Get(), 503464, {TVariant(std::int32_t{1})});
  EXPECT_EQ(Text(cell1.Get(), 503503), "CCLK_E9");
  EXPECT_EQ(Int(cell1.Get(), 503506), 0);
  EXPECT_EQ(Int(Object(Object(entity.Get(), 503464, {TVariant(std::int32_t{0})}).Get(), 503511).Get(), 503501), 1);
  const std::string ball = FirstUserIOBall();
  ASSERT_FALSE(ball.empty());
  for (std::int32_t n : {15, 16}) {
    TComPtr<IDispatch> cell = Object(entity.Get(), 503464, {TVariant(n)});
    EXPECT_EQ(Text(cell.Get(), 503503), "IO_" + ball);
    EXPECT_EQ(Text(Object(cell.Get(), 503509).Get(), 503492), ball);
  }
  EXPECT_EQ(Int(Object(entity.Get(), 503464, {TVariant(std::int32_t{15})}).Get(), 503506), 14);
}

TEST_F(SyntheticDescriptions, FFG1156EntityThroughTheDriver) {
  TComPtr<IDispatch> entity = Object(LoadedPlugin().Driver(46).Get(), 503406);
  ASSERT_TRUE(entity);
  EXPECT_EQ(Int(entity.Get(), 503469), 1658);
  EXPECT_EQ(Int(entity.Get(), 503467), 1156);
  EXPECT_EQ(Text(Object(entity.Get(), 503475).Get(), 503492), "AE12");
}

TEST_F(SyntheticDescriptions, OneEntityPerDriver) {
  TComPtr<IDispatch> first = LoadedPlugin().Driver(0);
  TComPtr<IDispatch> second = LoadedPlugin().Driver(0);
  TComPtr<IDispatch> a = Object(first.Get(), 503406);
  EXPECT_EQ(Object(first.Get(), 503406), a);
  TComPtr<IDispatch> b = Object(second.Get(), 503406);
  EXPECT_TRUE(b);
  EXPECT_NE(a, b);
}

TEST_F(SyntheticDescriptions, QuillhostShowsTheEntity) {
  int exitCode = -1;
  const std::string quillhost = testing_support::BinDir() + "/quillhost";
  const std::string out = testing_support::RunProgram(
      {quillhost, "--bsdl-dir", SyntheticFolder(), "call", "0", "503406", "/", "503461"}, &exitCode);
  EXPECT_EQ(out, "VT_I4 989\n");
  const std::string listing =
      testing_support::RunProgram({quillhost, "--bsdl-dir", SyntheticFolder(), "bsdl", "0"}, &exitCode);
  EXPECT_EQ(exitCode, 0);
  EXPECT_NE(listing.find("\n  1 (BC_2, CCLK_E9, output3, X, 0, 1, Z)\n"), std::string::npos) << listing;
  EXPECT_NE(listing.find("TDI TDO TMS TCK   E11 E13 E12 E10"), std::string::npos);
}

}  // namespace
