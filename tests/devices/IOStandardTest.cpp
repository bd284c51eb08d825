// The 37 shared I/O-standard objects: their table, their DISPIDs, and their lifetime.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/DeviceIOStandards.h"
#include "support/TestSupport.h"

using testing_support::Invoke;
using testing_support::LoadedPlugin;

namespace {

constexpr DISPID kGetIOStandardCount = 503421;
constexpr DISPID kGetIOStandard = 503422;
constexpr DISPID kGetDisplayName = 503519;
constexpr DISPID kGetParamName = 503520;
constexpr DISPID kGetSlewCount = 503521;
constexpr DISPID kGetSlewValue = 503522;
constexpr DISPID kGetDriveCount = 503523;
constexpr DISPID kGetDriveStrength = 503524;

struct TStandardRow {
  const char* DisplayName;
  const char* ParamName;
  bool Differential;
  std::vector<std::string> Slews;
  std::vector<std::string> Drives;
};

const std::vector<std::string> kSlowFast{"SLOW", "FAST"};
const std::vector<std::string> kNone{};
const std::vector<std::string> k4To12{"4mA", "8mA", "12mA"};
const std::vector<std::string> k4To16{"4mA", "8mA", "12mA", "16mA"};
const std::vector<std::string> k4To24{"4mA", "8mA", "12mA", "16mA", "24mA"};

// In TDeviceIOStandardID order.
const std::vector<TStandardRow> kExpected{
    {"Bus LVDS 2.5V", "BLVDS25", true, kNone, kNone},
    {"DHSTL Class I", "DHSTLI", true, kSlowFast, kNone},
    {"DHSTL 1.8V Class I", "DHSTL18I", true, kSlowFast, kNone},
    {"DHSTL Class II", "DHSTLII", true, kSlowFast, kNone},
    {"DHSTL 1.8V Class II", "DHSTL18II", true, kSlowFast, kNone},
    {"Differential 1.2-V HSUL", "DHSUL12", true, kSlowFast, kNone},
    {"Differential Mobile DDR", "DMobile_DDR", true, kSlowFast, kNone},
    {"Differential 1.35-V SSTL", "DSSTL135", true, kSlowFast, kNone},
    {"Differential 1.35V SSTL R", "DSSTL135_R", true, kSlowFast, kNone},
    {"DSSTL 1.5V", "DSSTL15", true, kSlowFast, kNone},
    {"Differential 1.5V SSTL R", "DSSTL15_R", true, kSlowFast, kNone},
    {"Differential SSTL 1.8V Class I", "DSSTL18I", true, kSlowFast, kNone},
    {"Differential SSTL 1.8V Class II", "DSSTL18II", true, kSlowFast, kNone},
    {"LVDS", "LVDS", true, kNone, kNone},
    {"Mini LVDS 2.5V", "MiniLVDS25", true, kNone, kNone},
    {"PPDS 2.5V", "PPDS25", true, kNone, kNone},
    {"RSDS 2.5V", "RSDS25", true, kNone, kNone},
    {"TMDS 3.3V", "TMDS33", true, kNone, kNone},
    {"HSTL Class I", "HSTLI", true, kSlowFast, kNone},
    {"HSTL Class I 1.8V", "HSTLI_18", false, kSlowFast, kNone},
    {"HSTL Class II", "HSTLII", true, kSlowFast, kNone},
    {"HSTL Class II 1.8V", "HSTLII_18", false, kSlowFast, kNone},
    {"1.2-V HSUL", "HSUL12", false, kSlowFast, kNone},
    {"LVCMOS 1.2V", "LVCMOS12", false, kSlowFast, k4To12},
    {"LVCMOS 1.5V", "LVCMOS15", false, kSlowFast, k4To16},
    {"LVCMOS 1.8V", "LVCMOS18", false, kSlowFast, k4To24},
    {"LVCMOS 2.5V", "LVCMOS25", false, kSlowFast, k4To16},
    {"LVCMOS 3.3V", "LVCMOS33", false, kSlowFast, k4To16},
    {"LVTTL 3.3V", "LVTTL33", false, kSlowFast, k4To24},
    {"Mobile DDR", "Mobile_DDR", false, kSlowFast, kNone},
    {"PCI 33Mhz 3.3V", "PCI33_3", false, kNone, kNone},
    {"SSTL-135", "SSTL135", false, kSlowFast, kNone},
    {"SSTL135_R", "SSTL135_R", false, kSlowFast, kNone},
    {"SSTL 1.5V", "SSTL15", false, kSlowFast, kNone},
    {"SSTL15_R", "SSTL15_R", false, kSlowFast, kNone},
    {"SSTL18 Class I", "SSTL18I", false, kSlowFast, kNone},
    {"SSTL18 Class II", "SSTL18II", false, kSlowFast, kNone},
};

std::string TextOf(IDispatch* target, DISPID id, std::vector<TVariant> args = {}) {
  auto r = Invoke(target, id, std::move(args));
  EXPECT_EQ(r.Status, S_OK);
  EXPECT_EQ(r.Value.Type(), VT_BSTR);
  return VariantToString(r.Value.Raw());
}
std::int32_t IntOf(IDispatch* target, DISPID id) {
  auto r = Invoke(target, id);
  EXPECT_EQ(r.Status, S_OK);
  EXPECT_EQ(r.Value.Type(), VT_I4);
  return VariantToInt32(r.Value.Raw());
}
IDispatch* StandardOf(IDispatch* driver, std::int32_t index) {
  auto r = Invoke(driver, kGetIOStandard, {TVariant(index)});
  EXPECT_EQ(r.Status, S_OK);
  EXPECT_EQ(r.Value.Type(), VT_DISPATCH);
  return r.Value.Type() == VT_DISPATCH ? r.Value.Raw().pdispVal : nullptr;  // shared: outlives the VARIANT
}

TEST(IOStandardTest, EveryStandardAnswersItsRowThroughItsDispIds) {
  TComPtr<IDispatch> driver = LoadedPlugin().Driver(0);
  ASSERT_EQ(IntOf(driver.Get(), kGetIOStandardCount), 37);
  ASSERT_EQ(kExpected.size(), 37u);
  for (std::int32_t id = 0; id < 37; ++id) {
    const TStandardRow& row = kExpected[static_cast<std::size_t>(id)];
    SCOPED_TRACE(row.ParamName);
    IDispatch* standard = StandardOf(driver.Get(), id);
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(TextOf(standard, kGetDisplayName), row.DisplayName);
    EXPECT_EQ(TextOf(standard, kGetParamName), row.ParamName);
    EXPECT_EQ(kIOStandards[static_cast<std::size_t>(id)].Differential, row.Differential);
    ASSERT_EQ(IntOf(standard, kGetSlewCount), static_cast<std::int32_t>(row.Slews.size()));
    for (std::size_t i = 0; i < row.Slews.size(); ++i)
      EXPECT_EQ(TextOf(standard, kGetSlewValue, {TVariant(static_cast<std::int32_t>(i))}), row.Slews[i]);
    ASSERT_EQ(IntOf(standard, kGetDriveCount), static_cast<std::int32_t>(row.Drives.size()));
    for (std::size_t i = 0; i < row.Drives.size(); ++i)
      EXPECT_EQ(TextOf(standard, kGetDriveStrength, {TVariant(static_cast<std::int32_t>(i))}), row.Drives[i]);
    for (std::int32_t outside : {static_cast<std::int32_t>(row.Slews.size()), -1, 3})
      EXPECT_EQ(TextOf(standard, kGetSlewValue, {TVariant(outside)}), "");
    for (std::int32_t outside : {static_cast<std::int32_t>(row.Drives.size()), -1, 21})
      EXPECT_EQ(TextOf(standard, kGetDriveStrength, {TVariant(outside)}), "");
  }
}

TEST(IOStandardTest, LVCMOS18AndLVDSEdgeCases) {
  IDispatch* lvcmos18 = StandardOf(LoadedPlugin().Driver(0).Get(), sLVCMOS18);
  EXPECT_EQ(IntOf(lvcmos18, kGetDriveCount), 5);
  EXPECT_EQ(TextOf(lvcmos18, kGetDriveStrength, {TVariant(std::int32_t{4})}), "24mA");
  EXPECT_EQ(TextOf(lvcmos18, kGetDriveStrength, {TVariant(std::int32_t{5})}), "");
  EXPECT_EQ(IntOf(lvcmos18, kGetSlewCount), 2);
  EXPECT_EQ(TextOf(lvcmos18, kGetSlewValue, {TVariant(std::int32_t{1})}), "FAST");
  IDispatch* lvds = StandardOf(LoadedPlugin().Driver(0).Get(), sLVDS);
  EXPECT_EQ(IntOf(lvds, kGetSlewCount), 0);
  EXPECT_EQ(IntOf(lvds, kGetDriveCount), 0);
}

TEST(IOStandardTest, DriverIndicesOutsideTheSetGiveAnEmptyResult) {
  TComPtr<IDispatch> driver = LoadedPlugin().Driver(46);
  EXPECT_EQ(TextOf(StandardOf(driver.Get(), 0), kGetParamName), "BLVDS25");
  EXPECT_EQ(TextOf(StandardOf(driver.Get(), 36), kGetParamName), "SSTL18II");
  for (std::int32_t index : {37, -1, 64}) EXPECT_EQ(StandardOf(driver.Get(), index), nullptr) << index;
}

TEST(IOStandardTest, EveryDriverHandsOutTheSameObjectsForTheWholeLoad) {
  IDispatch* first = StandardOf(LoadedPlugin().Driver(0).Get(), 13);
  for (std::int32_t kind : {1, 24, 46}) EXPECT_EQ(StandardOf(LoadedPlugin().Driver(kind).Get(), 13), first);
  // The host may take and drop references at will: the object stays.
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(first->Release(), static_cast<ULONG>(-1));
    EXPECT_EQ(first->AddRef(), static_cast<ULONG>(-1));
  }
  for (int i = 0; i < 10; ++i) first->Release();
  EXPECT_EQ(TextOf(first, kGetParamName), "LVDS");
  auto supports = Invoke(first, 1023, {TVariant("deviceiostandard")});
  EXPECT_EQ(supports.Status, S_OK);
  EXPECT_TRUE(VariantToBool(supports.Value.Raw()));
  EXPECT_FALSE(VariantToBool(Invoke(first, 1023, {TVariant("DevicePin")}).Value.Raw()));
  EXPECT_EQ(Invoke(first, 503525).Status, E_NOTIMPL);
}

TEST(IOStandardTest, FrameworkStandardBaseAnswersFromTheGenericList) {
  class TGenericStandard : public TQuillAbstractDeviceIOStandard {
   public:
    std::int32_t FIndex = 0;

   protected:
    std::int32_t StandardIndex() override { return FIndex; }
  };
  std::unique_ptr<TGenericStandard> standard(NewUncounted<TGenericStandard>());
  EXPECT_EQ(standard->GetDisplayName(), "LVTTL 1.5V");
  EXPECT_EQ(standard->GetParamName(), "LVTTL15");
  standard->FIndex = 1;
  EXPECT_EQ(standard->GetDisplayName(), "LVTTL 1.8V");
  standard->FIndex = -1;
  EXPECT_EQ(standard->GetParamName(), "");
  EXPECT_EQ(standard->GetSlewCount(), 0);
  EXPECT_EQ(standard->GetDriveCount(), 0);
  EXPECT_EQ(standard->GetSlewValue(0), "");
  EXPECT_EQ(standard->GetDriveStrength(0), "");
}

}  // namespace
