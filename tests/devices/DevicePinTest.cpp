// Pin objects and the driver's pin operations, called by DISPID on the loaded plug-in as the
// host calls them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/DevicePinData.h"
#include "devices/DevicePinSets.h"
#include "support/TestSupport.h"

using testing_support::Invoke;
using testing_support::LoadedPlugin;

namespace {

constexpr DISPID kGetDevicePinCount = 503409;
constexpr DISPID kGetDeviceIOCount = 503410;
constexpr DISPID kGetDevicePin = 503411;
constexpr DISPID kGetDiffPairCount = 503419;
constexpr DISPID kGetHighSpeedDiffPairCount = 503420;
constexpr DISPID kSupportsService = 1023;

constexpr DISPID kGetPinNumber = 503525;
constexpr DISPID kGetIOBank = 503526;
constexpr DISPID kGetPinIOStandardCount = 503531;
constexpr DISPID kGetPinIOStandard = 503532;
constexpr DISPID kGetDifferentialId = 503545;
constexpr DISPID kGetClkDifferentialId = 503546;
constexpr DISPID kGetUniqueDifferentialID = 503547;
constexpr DISPID kGetIsPosPinOfDiffPair = 503548;
constexpr DISPID kGetIsNegPinOfDiffPair = 503549;
constexpr DISPID kGetParamName = 503520;

TComPtr<IDispatch> Driver(std::int32_t kind) { return LoadedPlugin().Driver(kind); }

std::int32_t IntOf(IDispatch* target, DISPID id, std::vector<TVariant> args = {}) {
  auto r = Invoke(target, id, std::move(args));
  EXPECT_EQ(r.Status, S_OK) << id;
  EXPECT_EQ(r.Value.Type(), VT_I4) << id;
  return VariantToInt32(r.Value.Raw());
}
std::string TextOf(IDispatch* target, DISPID id, std::vector<TVariant> args = {}) {
  auto r = Invoke(target, id, std::move(args));
  EXPECT_EQ(r.Status, S_OK) << id;
  EXPECT_EQ(r.Value.Type(), VT_BSTR) << id;
  return VariantToString(r.Value.Raw());
}
bool BoolOf(IDispatch* target, DISPID id, std::vector<TVariant> args = {}) {
  auto r = Invoke(target, id, std::move(args));
  EXPECT_EQ(r.Status, S_OK) << id;
  EXPECT_EQ(r.Value.Type(), VT_BOOL) << id;
  return VariantToBool(r.Value.Raw());
}
IDispatch* ObjectOf(IDispatch* target, DISPID id, std::vector<TVariant> args = {}) {
  auto r = Invoke(target, id, std::move(args));
  EXPECT_EQ(r.Status, S_OK) << id;
  EXPECT_EQ(r.Value.Type(), VT_DISPATCH) << id;
  return r.Value.Type() == VT_DISPATCH ? r.Value.Raw().pdispVal : nullptr;  // pins outlive the VARIANT
}

IDispatch* PinByBall(IDispatch* driver, const std::string& ball) {
  const std::int32_t count = IntOf(driver, kGetDevicePinCount);
  for (std::int32_t i = 0; i < count; ++i) {
    IDispatch* pin = ObjectOf(driver, kGetDevicePin, {TVariant(i)});
    if (TextOf(pin, kGetPinNumber) == ball) return pin;
  }
  ADD_FAILURE() << "no pin " << ball;
  return nullptr;
}

TEST(DevicePinTest, DriverCountsComeFromItsPinSet) {
  for (std::int32_t kind = 0; kind < kDeviceKindCount; ++kind) {
    SCOPED_TRACE(kind);
    TComPtr<IDispatch> driver = Driver(kind);
    const TPinSetParameters& set = PinSetParameters(kDevices[static_cast<std::size_t>(kind)].PinSet);
    EXPECT_EQ(IntOf(driver.Get(), kGetDevicePinCount), set.PinCount);
    EXPECT_EQ(IntOf(driver.Get(), kGetDeviceIOCount), set.IOCount);
    EXPECT_EQ(IntOf(driver.Get(), kGetDiffPairCount), set.DiffCount);
    EXPECT_EQ(IntOf(driver.Get(), kGetHighSpeedDiffPairCount), set.HSpeedDiffCount);
  }
  EXPECT_EQ(IntOf(Driver(42).Get(), kGetDevicePinCount), 1156);
}

TEST(DevicePinTest, PinIndexOutsideTheTableGivesAnEmptyResult) {
  TComPtr<IDispatch> driver = Driver(42);
  EXPECT_NE(ObjectOf(driver.Get(), kGetDevicePin, {TVariant(std::int32_t{1155})}), nullptr);
  for (std::int32_t index : {1156, -1, 0x7FFFFFFF}) {
    SCOPED_TRACE(index);
    auto r = Invoke(driver.Get(), kGetDevicePin, {TVariant(index)});
    EXPECT_EQ(r.Status, S_OK);
    EXPECT_EQ(r.Value.Type(), VT_DISPATCH);
    EXPECT_EQ(r.Value.Raw().pdispVal, nullptr);
  }
  EXPECT_EQ(Invoke(driver.Get(), kGetDevicePin).Status, E_UNEXPECTED) << "a missing index fails the call";
}

TEST(DevicePinTest, PinsAreCreatedOnceAndOwnedByTheirDriver) {
  TComPtr<IDispatch> driver = Driver(0);
  IDispatch* first = ObjectOf(driver.Get(), kGetDevicePin, {TVariant(std::int32_t{0})});
  IDispatch* again = ObjectOf(driver.Get(), kGetDevicePin, {TVariant(std::int32_t{0})});
  EXPECT_EQ(first, again);
  EXPECT_NE(first, ObjectOf(Driver(0).Get(), kGetDevicePin, {TVariant(std::int32_t{0})}))
      << "each driver owns its own pins";
  EXPECT_EQ(first->AddRef(), static_cast<ULONG>(-1));
  for (int i = 0; i < 5; ++i) EXPECT_EQ(first->Release(), static_cast<ULONG>(-1));
  EXPECT_EQ(TextOf(first, kGetPinNumber), "R11") << "releasing references does not free a pin";
}

TEST(DevicePinTest, PinAnswersItsServiceOnly) {
  IDispatch* pin = ObjectOf(Driver(0).Get(), kGetDevicePin, {TVariant(std::int32_t{0})});
  EXPECT_TRUE(BoolOf(pin, kSupportsService, {TVariant("devicepin")}));
  EXPECT_FALSE(BoolOf(pin, kSupportsService, {TVariant("DeviceIOStandard")}));
  EXPECT_FALSE(BoolOf(pin, kSupportsService, {TVariant("DeviceInformation")}));
  EXPECT_EQ(Invoke(pin, 503524).Status, E_NOTIMPL);
  EXPECT_EQ(Invoke(pin, 503550).Status, E_NOTIMPL);
}

// One row of the CS324 table read back through every pin DISPID.
struct TPinAnswers {
  const char* Ball;
  const char* Bank;
  const char* Pair;
  std::vector<DISPID> TrueFlags;  // of 503527-503530, 503533-503544
  std::int32_t StandardCount;
  const char* UniqueId;
  bool Positive, Negative;
};

TEST(DevicePinTest, EveryDispIdOfTellingPins) {
  const std::vector<DISPID> flagIds{503527, 503528, 503529, 503530, 503533, 503534, 503535, 503536,
                                    503537, 503538, 503539, 503540, 503541, 503542, 503543, 503544};
  const TPinAnswers pins[] = {
      {"R11", "14", "", {503527, 503543}, 19, "14||", false, true},
      {"K17", "14", "1", {503527, 503530, 503536, 503543}, 37, "14|1|", true, true},
      {"K18", "14", "1", {503527, 503530, 503537, 503543}, 37, "14|1|", false, true},
      {"L16", "14", "3", {503527, 503528, 503530, 503537, 503543}, 37, "14|3|", false, true},
      {"N15", "14", "11", {503527, 503528, 503536, 503543, 503544}, 37, "14|11|", true, true},
      {"E11", "0", "", {503543}, 0, "0||", false, true},
      {"F8", "", "", {503543}, 0, "||", false, true},
  };
  TComPtr<IDispatch> driver = Driver(0);
  for (const TPinAnswers& expected : pins) {
    SCOPED_TRACE(expected.Ball);
    IDispatch* pin = PinByBall(driver.Get(), expected.Ball);
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(TextOf(pin, kGetIOBank), expected.Bank);
    for (DISPID id : flagIds) {
      const bool set = std::find(expected.TrueFlags.begin(), expected.TrueFlags.end(), id) != expected.TrueFlags.end();
      EXPECT_EQ(BoolOf(pin, id), set) << "DISPID " << id;
    }
    EXPECT_EQ(IntOf(pin, kGetPinIOStandardCount), expected.StandardCount);
    EXPECT_EQ(TextOf(pin, kGetClkDifferentialId), "");
    EXPECT_EQ(TextOf(pin, kGetUniqueDifferentialID), expected.UniqueId);
    EXPECT_EQ(TextOf(pin, kGetDifferentialId), expected.Pair);
    EXPECT_EQ(BoolOf(pin, kGetIsPosPinOfDiffPair), expected.Positive);
    EXPECT_EQ(BoolOf(pin, kGetIsNegPinOfDiffPair), expected.Negative) << "bit 14 is set on every pin";
  }
}

TEST(DevicePinTest, PinStandardsAreTheSharedObjectsInIdOrder) {
  TComPtr<IDispatch> driver = Driver(0);
  IDispatch* single = PinByBall(driver.Get(), "R11");
  ASSERT_NE(single, nullptr);
  IDispatch* first = ObjectOf(single, kGetPinIOStandard, {TVariant(std::int32_t{0})});
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(TextOf(first, kGetParamName), "HSTLI");
  EXPECT_EQ(first, ObjectOf(Driver(0).Get(), 503422, {TVariant(std::int32_t{sHSTLI})}))
      << "the driver's shared object";
  EXPECT_EQ(TextOf(ObjectOf(single, kGetPinIOStandard, {TVariant(std::int32_t{18})}), kGetParamName), "SSTL18II");
  for (std::int32_t index : {19, -1}) EXPECT_EQ(ObjectOf(single, kGetPinIOStandard, {TVariant(index)}), nullptr);

  IDispatch* paired = PinByBall(driver.Get(), "K17");
  EXPECT_EQ(TextOf(ObjectOf(paired, kGetPinIOStandard, {TVariant(std::int32_t{0})}), kGetParamName), "BLVDS25");
  EXPECT_EQ(ObjectOf(paired, kGetPinIOStandard, {TVariant(std::int32_t{37})}), nullptr);
  EXPECT_EQ(ObjectOf(PinByBall(driver.Get(), "F8"), kGetPinIOStandard, {TVariant(std::int32_t{0})}), nullptr);
}

TEST(DevicePinTest, TransceiverPairOfTheFGG484Part) {
  TComPtr<IDispatch> driver = Driver(12);
  for (const char* ball : {"B6", "A6"}) {
    SCOPED_TRACE(ball);
    IDispatch* pin = PinByBall(driver.Get(), ball);
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(TextOf(pin, kGetUniqueDifferentialID), "216|2|");
    EXPECT_FALSE(BoolOf(pin, 503527));
    EXPECT_EQ(IntOf(pin, kGetPinIOStandardCount), 0);
  }
  EXPECT_TRUE(BoolOf(PinByBall(driver.Get(), "B6"), 503538));
  EXPECT_TRUE(BoolOf(PinByBall(driver.Get(), "B6"), kGetIsPosPinOfDiffPair));
  EXPECT_TRUE(BoolOf(PinByBall(driver.Get(), "A6"), 503539));
}

// The pair answers follow the virtual flags, so a subclass that changes a flag changes them.
class TPinWithoutClockFlag : public TDevicePinData {
 public:
  using TDevicePinData::TDevicePinData;
  bool GetIsClkDiffN_Pin() override { return false; }
  bool GetIsDCIP_Pin() override { return FDCIP; }
  std::string GetClkDifferentialId() override { return "7"; }
  bool FDCIP = false;
};

TEST(DevicePinTest, PairAnswersFollowTheVirtualFlags) {
  // Row 0 of the CS324 table is R11: single-ended, only bit 14 of the pair flags.
  std::unique_ptr<TPinWithoutClockFlag> pin(NewUncounted<TPinWithoutClockFlag>(ePinSet_XC7A100TCS324, 0));
  EXPECT_FALSE(pin->GetIsNegPinOfDiffPair());
  EXPECT_FALSE(pin->GetIsPosPinOfDiffPair());
  pin->FDCIP = true;
  EXPECT_TRUE(pin->GetIsPosPinOfDiffPair());
  EXPECT_EQ(pin->GetUniqueDifferentialID(), "14||7");
}

TEST(DevicePinTest, FrameworkPinBaseAnswersNothing) {
  class TBarePin : public TQuillAbstractDevicePin {};
  std::unique_ptr<TBarePin> pin(NewUncounted<TBarePin>());
  EXPECT_EQ(pin->GetUniqueDifferentialID(), "||");
  EXPECT_FALSE(pin->GetIsPosPinOfDiffPair());
  EXPECT_FALSE(pin->GetIsNegPinOfDiffPair());
  EXPECT_EQ(pin->GetIOStandardCount(), 0);
  EXPECT_FALSE(pin->GetIOStandard(0));
  EXPECT_EQ(Invoke(pin->AsDispatch(), kGetPinNumber).Value.Type(), VT_BSTR);
}

TEST(DevicePinTest, APinOutsideItsTableAnswersNothing) {
  for (std::int32_t index : {256, -1}) {
    std::unique_ptr<TDevicePinData> pin(NewUncounted<TDevicePinData>(ePinSet_XC7A100TFT256, index));
    EXPECT_EQ(pin->GetPinNumber(), "");
    EXPECT_FALSE(pin->GetIsClkDiffN_Pin());
    EXPECT_EQ(pin->GetIOStandardCount(), 0);
    EXPECT_EQ(pin->GetUniqueDifferentialID(), "||");
  }
}

}  // namespace
