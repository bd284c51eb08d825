// The catalogue as the host reads it through the exported drivers: the 47 parts, their
// distinguishing facts, and the framework defaults of the operations the catalogue does not
// answer.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "support/TestSupport.h"

using namespace testing_support;

namespace {

std::string Text(IDispatch* d, DISPID id) {
  auto r = Invoke(d, id);
  EXPECT_EQ(r.Status, S_OK) << id;
  EXPECT_EQ(r.Value.Type(), VT_BSTR) << id;
  return BstrToUtf8(r.Value.Raw().bstrVal);
}

std::int32_t Number(IDispatch* d, DISPID id, std::vector<TVariant> args = {}) {
  auto r = Invoke(d, id, std::move(args));
  EXPECT_EQ(r.Status, S_OK) << id;
  EXPECT_EQ(r.Value.Type(), VT_I4) << id;
  return r.Value.Raw().lVal;
}

bool Flag(IDispatch* d, DISPID id, std::vector<TVariant> args = {}) {
  auto r = Invoke(d, id, std::move(args));
  EXPECT_EQ(r.Status, S_OK) << id;
  EXPECT_EQ(r.Value.Type(), VT_BOOL) << id;
  return r.Value.Raw().boolVal != 0;
}

// Every part number must agree with what its driver reports about base, speed grade,
// package and temperature grade, and the BSDL file and IDCODE follow from base and package.
TEST(CatalogueTest, EveryPartAnswersTheFactsItsPartNumberEncodes) {
  const std::map<std::string, std::string> typeNames{{"CS", "CSBGA"}, {"FB", "FBGA"}, {"FF", "FFBGA"},
                                                     {"FG", "FGBGA"}, {"FT", "FTBGA"}, {"SB", "SBGA"}};
  const std::map<std::string, std::string> gradeNames{{"C", "Commercial"}, {"E", "Extended"}, {"I", "Industrial"}};
  std::set<std::string> names;
  for (std::int32_t kind = 0; kind < 47; ++kind) {
    SCOPED_TRACE(kind);
    auto driver = LoadedPlugin().Driver(kind);
    IDispatch* d = driver.Get();
    const std::string name = Text(d, 503380);
    // XC7A<size>T-<speed><package><temperature>, e.g. XC7A100T-2LCSG324E.
    const auto dash = name.find('-');
    ASSERT_NE(dash, std::string::npos) << name;
    names.insert(name);
    const std::string base = name.substr(0, dash);
    const std::string rest = name.substr(dash + 1);
    const std::size_t speedLength = rest.compare(0, 2, "2L") == 0 ? 2 : 1;
    const std::string speed = rest.substr(0, speedLength);
    const std::string pkg = rest.substr(speedLength, rest.size() - speedLength - 1);
    const std::string temp = rest.substr(rest.size() - 1);
    ASSERT_TRUE(base == "XC7A100T" || base == "XC7A200T") << name;
    const bool big = base == "XC7A200T";
    EXPECT_EQ(static_cast<std::uint32_t>(Number(d, 503379)), big ? 0x03636093u : 0x03631093u);
    EXPECT_EQ(Text(d, 503386), base);
    EXPECT_EQ(Number(d, 503387), big ? 215360 : 101440);
    EXPECT_EQ(Number(d, 503388), big ? 500 : 300);
    EXPECT_EQ(Text(d, 503392), pkg);
    EXPECT_EQ(Text(d, 503393), pkg);
    EXPECT_EQ(Text(d, 503389), pkg.substr(0, 2));
    EXPECT_EQ(Text(d, 503390), typeNames.at(pkg.substr(0, 2)));
    EXPECT_NE(Text(d, 503394).find("(" + pkg.substr(0, 2) + pkg.substr(3) + ")"), std::string::npos);
    EXPECT_EQ(Text(d, 503396), temp);
    EXPECT_EQ(Text(d, 503397), gradeNames.at(temp));
    EXPECT_EQ(Text(d, 503398), gradeNames.at(temp) + " Grade");
    EXPECT_EQ(Text(d, 503399), speed);
    EXPECT_EQ(Text(d, 503400), speed);
    EXPECT_EQ(Text(d, 503401), "Speed Grade " + speed);
    EXPECT_EQ(Text(d, 503402), "G");
    EXPECT_EQ(Text(d, 503403), "G");
    EXPECT_EQ(Text(d, 503404), "Pb-Free");
    EXPECT_EQ(Text(d, 503405), base + "_" + pkg + ".bsd");
    EXPECT_EQ(Text(d, 503382), "Artix7");
    EXPECT_EQ(Text(d, 503383), "Artix7 FPGA");
    EXPECT_EQ(Text(d, 503384), "Xilinx Artix-7.IntLib");
    EXPECT_EQ(Number(d, 503408), 6);
    EXPECT_EQ(Number(d, 503413), big ? 740 : 240);
    EXPECT_EQ(Number(d, 503414), big ? 10 : 6);
    EXPECT_EQ(Number(d, 503415), big ? 13140 : 4860);
    EXPECT_TRUE(Flag(d, 503416));
    EXPECT_EQ(Number(d, 503417), 32);
    EXPECT_EQ(Number(d, 503418), big ? 77845216 : 30606304);
    EXPECT_EQ(Text(d, 503423), name);
  }
  EXPECT_EQ(names.size(), 47u);
  EXPECT_EQ(names.count("XC7A200T-3FFG1156E"), 0u);  // that grade is not offered in FFG1156
}

TEST(CatalogueTest, TellingRows) {
  auto d46 = LoadedPlugin().Driver(46);
  EXPECT_EQ(Text(d46.Get(), 503380), "XC7A200T-2LFFG1156E");
  EXPECT_EQ(Text(d46.Get(), 503395), "35 x 35 mm");
  EXPECT_EQ(Text(d46.Get(), 503391), "Lidless Ball Grid Array");
  auto d24 = LoadedPlugin().Driver(24);
  EXPECT_EQ(Text(d24.Get(), 503391), "Flip-Chip Lidless Ball Grid Array");
  EXPECT_EQ(Text(d24.Get(), 503394), "484-Ball Flip-Chip Lidless Ball Grid Array 0.8 mm Pitch (SB484)");
  auto d4 = LoadedPlugin().Driver(4);
  EXPECT_EQ(Text(d4.Get(), 503399), "2L");
  EXPECT_EQ(Text(d4.Get(), 503401), "Speed Grade 2L");
  EXPECT_EQ(Text(d4.Get(), 503397), "Extended");
}

TEST(CatalogueTest, TheSharedIOStandardObjectsAreHandedOutByEveryDriver) {
  auto a = LoadedPlugin().Driver(0);
  auto b = LoadedPlugin().Driver(40);
  EXPECT_EQ(Number(a.Get(), 503421), 37);
  auto first = Invoke(a.Get(), 503422, {TVariant(std::int32_t{0})});
  auto same = Invoke(b.Get(), 503422, {TVariant(std::int32_t{0})});
  ASSERT_EQ(first.Value.Type(), VT_DISPATCH);
  EXPECT_EQ(first.Value.Raw().pdispVal, same.Value.Raw().pdispVal);
  EXPECT_EQ(Text(first.Value.Raw().pdispVal, 503519), "Bus LVDS 2.5V");
  auto last = Invoke(a.Get(), 503422, {TVariant(std::int32_t{36})});
  EXPECT_EQ(Text(last.Value.Raw().pdispVal, 503520), "SSTL18II");
  for (std::int32_t index : {37, -1}) {
    auto none = Invoke(a.Get(), 503422, {TVariant(index)});
    ASSERT_EQ(none.Value.Type(), VT_DISPATCH);
    EXPECT_EQ(none.Value.Raw().pdispVal, nullptr);
  }
}

// Operations the catalogue leaves to the framework answer the framework's fixed defaults.
TEST(CatalogueTest, DriverOperationsWithoutBehaviourAnswerTheirDefaults) {
  auto driver = LoadedPlugin().Driver(0);
  IDispatch* d = driver.Get();
  const TVariant zero(std::int32_t{0});
  const struct {
    DISPID id;
    std::vector<TVariant> args;
    const char* expected;  // type and value as text
  } cases[] = {
      {503385, {}, "s:"},           {503412, {}, "s:"},          {503424, {TVariant("X")}, "s:"},
      {503755, {}, "b:0"},          {503757, {}, "b:0"},         {503766, {zero, zero}, "b:0"},
      {503767, {zero}, "i:0"},      {503768, {zero}, "i:0"},     {503769, {zero}, "s:"},
      {503771, {}, "i:0"},          {503772, {}, "i:-1"},        {503773, {}, "i:-1"},
      {503774, {}, "i:1"},          {503775, {zero}, "i:0"},     {503776, {zero}, "i:0"},
      {503777, {zero}, "i:1"},      {503778, {zero}, "s:"},      {503779, {zero}, "s:"},
      {503780, {}, "i:0"},          {503781, {}, "i:-1"},        {503782, {zero}, "b:1"},
      {503783, {zero}, "b:1"},      {503784, {}, "b:1"},         {503785, {}, "b:0"},
      {503792, {}, "s:.EDN"},       {503803, {}, "b:0"},         {503804, {}, "b:0"},
      {503805, {TVariant("f")}, "i:0"}, {503807, {zero, TVariant("1")}, "b:0"},
      {503808, {zero}, "s:0"},      {503810, {}, "b:1"},         {503813, {}, "b:0"},
      {503817, {}, "b:0"},          {503818, {zero}, "i:-1"},    {503820, {}, "b:0"},
      {508552, {zero, TVariant(std::int64_t{0})}, "i:0"},
      {508553, {zero, TVariant(std::int64_t{0}), zero}, "b:0"},
      {508554, {zero}, "l:0"},      {509981, {zero}, "d:null"},  {503753, {}, "d:null"},
      {503760, {}, "d:null"},       {503809, {TVariant(static_cast<IDispatch*>(nullptr))}, "b:0"},
  };
  for (const auto& c : cases) {
    auto r = Invoke(d, c.id, c.args);
    ASSERT_EQ(r.Status, S_OK) << c.id;
    std::string got;
    switch (r.Value.Type()) {
      case VT_BSTR: got = "s:" + BstrToUtf8(r.Value.Raw().bstrVal); break;
      case VT_BOOL: got = std::string("b:") + (r.Value.Raw().boolVal ? "1" : "0"); break;
      case VT_I4: got = "i:" + std::to_string(r.Value.Raw().lVal); break;
      case VT_I8: got = "l:" + std::to_string(r.Value.Raw().llVal); break;
      case VT_DISPATCH: got = r.Value.Raw().pdispVal ? "d:object" : "d:null"; break;
      default: got = "vt:" + std::to_string(r.Value.Type());
    }
    EXPECT_EQ(got, c.expected) << c.id;
  }
  // Operations without a result leave the result untouched.
  for (DISPID id : {503762, 503806, 503811, 503814}) {
    std::vector<TVariant> args;
    if (id == 503814) args.push_back(zero);
    EXPECT_EQ(Invoke(d, id, args).Value.Type(), VT_EMPTY) << id;
  }
}

TEST(CatalogueTest, CustomActionStateReportsAAndCFalseAndLeavesB) {
  auto driver = LoadedPlugin().Driver(0);
  VARIANT_BOOL a = VARIANT_TRUE, b = VARIANT_FALSE, c = VARIANT_TRUE;
  std::vector<TVariant> args(6);
  args[0] = TVariant(std::int32_t{0});
  VARIANT_BOOL* cells[] = {&a, &b, &c};
  for (std::size_t i = 0; i < 3; ++i) {
    args[i + 1].Ptr()->vt = VT_BOOL | VT_BYREF;
    args[i + 1].Ptr()->pboolVal = cells[i];
  }
  args[4] = TVariant(std::int32_t{0});
  args[5] = TVariant(std::int32_t{0});
  ASSERT_EQ(Invoke(driver.Get(), 503815, args).Status, S_OK);
  EXPECT_EQ(a, VARIANT_FALSE);
  EXPECT_EQ(b, VARIANT_TRUE);
  EXPECT_EQ(c, VARIANT_FALSE);
}

}  // namespace
