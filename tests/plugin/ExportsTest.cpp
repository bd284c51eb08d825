// The plug-in file as a host sees it: exactly two exports, driver creation, COM identity and
// the driver's lifetime.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "devices/QuillDriver.h"
#include "host/SupportService.h"
#include "support/TestSupport.h"

using namespace testing_support;

namespace {

TEST(ExportsTest, TheLibraryExportsExactlyTheTwoEntryPoints) {
  int exitCode = -1;
  const std::string out = RunProgram({"/usr/bin/nm", "-D", "--defined-only", BinDir() + "/Device_Artix7.QLL"}, &exitCode);
  ASSERT_EQ(exitCode, 0);
  std::set<std::string> names;
  std::istringstream lines(out);
  std::string address, type, name;
  while (lines >> address >> type >> name) names.insert(name);
  EXPECT_EQ(names, (std::set<std::string>{"GetQuillDriverCount", "GetQuillDriver_Plugin"}));
}

TEST(ExportsTest, CountAndFactoryAnswerForEveryKind) {
  TPluginModule& plugin = LoadedPlugin();
  std::int32_t count = 0;
  ASSERT_EQ(plugin.CountExport()(&count), S_OK);
  EXPECT_EQ(count, 47);
  for (std::int32_t kind : {-1, 47, 1000, INT32_MIN}) {
    IDispatch* driver = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(plugin.DriverExport()(kind, &driver), S_OK) << kind;
    EXPECT_EQ(driver, nullptr) << kind;
  }
  EXPECT_EQ(static_cast<std::uint32_t>(plugin.DriverExport()(0, nullptr)), 0x8000FFFFu);
  auto a = plugin.Driver(46);
  auto b = plugin.Driver(46);
  ASSERT_TRUE(a && b);
  EXPECT_NE(a.Get(), b.Get());
  EXPECT_EQ(BstrToUtf8(Invoke(a.Get(), 503380).Value.Raw().bstrVal), "XC7A200T-2LFFG1156E");
}

TEST(ExportsTest, ADriverIgnoresReferenceCountingAndOutlivesEveryRelease) {
  IDispatch* driver = nullptr;
  ASSERT_EQ(LoadedPlugin().DriverExport()(3, &driver), S_OK);
  EXPECT_EQ(driver->AddRef(), 0xFFFFFFFFu);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(driver->Release(), 0xFFFFFFFFu);
  auto r = Invoke(driver, 503380);
  ASSERT_EQ(r.Status, S_OK);
  EXPECT_EQ(BstrToUtf8(r.Value.Raw().bstrVal), "XC7A100T-2CSG324I");
}

TEST(ExportsTest, QueryInterfaceAnswersTheFourDriverIdentities) {
  auto driver = LoadedPlugin().Driver(0);
  const IID memory = {0xDE05D751, 0x32F9, 0x4557, {0xA7, 0xB6, 0x67, 0x8A, 0x82, 0x80, 0xE2, 0x74}};
  const IID support = {0x1DEBA58E, 0x0DF5, 0x4081, {0x93, 0xE9, 0x0C, 0x17, 0x32, 0xE7, 0xDF, 0xAE}};
  for (const IID& iid : {IID_IUnknown, IID_IDispatch, support, memory}) {
    void* p = nullptr;
    EXPECT_EQ(driver->QueryInterface(iid, &p), S_OK);
    EXPECT_NE(p, nullptr);
  }
  void* p = nullptr;
  ASSERT_EQ(driver->QueryInterface(memory, &p), S_OK);
  EXPECT_EQ(static_cast<IQuillDriverMemory*>(p)->MemoryRead(1, 2, 3, 4, 5, 6), 0);
  const IID other = {0x00020401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  EXPECT_EQ(driver->QueryInterface(other, &p), E_NOINTERFACE);
}

TEST(ExportsTest, DriversAnswerTheirServiceNames) {
  auto driver = LoadedPlugin().Driver(0);
  const struct {
    const char* name;
    bool supported;
  } cases[] = {{"quilldriver", true}, {"QuillDriver", true}, {"DeviceInformation", true},
               {"deviceinformation", true}, {"DevicePin", false}, {"", false}};
  for (const auto& c : cases) {
    auto r = Invoke(driver.Get(), 1023, {TVariant(c.name)});
    ASSERT_EQ(r.Status, S_OK);
    EXPECT_EQ(r.Value.Raw().boolVal != 0, c.supported) << c.name;
  }
  EXPECT_EQ(static_cast<std::uint32_t>(Invoke(driver.Get(), 1024).Status), 0x80004001u);
}

}  // namespace
