// ResetDevice, GetDeviceState and ReadUserCode on the simulated chain.
#include <gtest/gtest.h>

#include "JTagFixture.h"
#include "jtag/BinaryText.h"

namespace {

constexpr DISPID kResetDevice = 503786;
constexpr DISPID kGetDeviceState = 503787;
constexpr DISPID kReadUserCode = 503789;

class DeviceControl : public TJTagFixture {
 protected:
  void Configure(std::uint32_t userCode = 0xFFFFFFFFu) {
    const std::string path = WriteFile("demo.bit", simbitstream::Build({.UserCode = userCode}));
    ASSERT_GT(Program(path), 0);
    ASSERT_TRUE(FBench->Part().Configured());
  }
  bool Reset() {
    const auto result = Call(kResetDevice);
    EXPECT_EQ(result.Status, S_OK);
    return result.Value.Raw().boolVal != 0;
  }
  std::uint32_t UserCode() {
    const auto result = Call(kReadUserCode);
    EXPECT_EQ(result.Status, S_OK);
    return static_cast<std::uint32_t>(result.Value.Raw().lVal);
  }
};

TEST(BinaryText, IntegerToBinaryTextAndReversal) {
  EXPECT_EQ(jtag::IntToBinaryText32(0xE0000000u), "111" + std::string(29, '0'));
  EXPECT_EQ(jtag::IntToBinaryText32(1), std::string(31, '0') + "1");
  EXPECT_EQ(jtag::ReverseText(jtag::IntToBinaryText32(0xE0000000u)), std::string(29, '0') + "111");
  EXPECT_EQ(jtag::ReverseText(""), "");
}

TEST_F(DeviceControl, StateFollowsDoneInTheCapturedInstructionBits) {
  Attach();
  EXPECT_EQ(FBench->Part().InstructionCapture(), 0b010001u);
  EXPECT_EQ(State(), 1);
  Configure();
  EXPECT_EQ(FBench->Part().InstructionCapture(), 0b110101u);
  EXPECT_EQ(State(), 2);
}

TEST_F(DeviceControl, ResetClearsTheConfigurationAndReportsTheStateReadAfterwards) {
  Attach();
  Configure(0x00C0FFEEu);
  EXPECT_EQ(UserCode(), 0x00C0FFEEu);
  EXPECT_TRUE(Reset());
  EXPECT_FALSE(FBench->Part().Configured());
  EXPECT_EQ(FBench->Part().JProgramCount(), 1);
  EXPECT_EQ(State(), 1);
  EXPECT_EQ(UserCode(), 0xFFFFFFFFu);
}

TEST_F(DeviceControl, ResetIsFalseWhenThePartStaysConfigured) {
  Attach();
  Configure();
  FBench->Part().SetIgnoreJProgram(true);
  EXPECT_FALSE(Reset());
  EXPECT_EQ(State(), 2);
}

TEST_F(DeviceControl, ResetLoadsCfgInJProgramJShutdownInThatOrder) {
  Attach();
  const std::size_t before = FBench->Part().InstructionHistory().size();
  Reset();
  const auto& history = FBench->Part().InstructionHistory();
  // CFG_IN, JPROGRAM, JSHUTDOWN, then BYPASS for the state read.
  EXPECT_EQ(std::vector<std::uint32_t>(history.begin() + static_cast<std::ptrdiff_t>(before), history.end()),
            (std::vector<std::uint32_t>{0x05, 0x0B, 0x0D, 0x3F}));
}

// At every position the part receives 32 zero bits of lead-in (its bypassing neighbours
// included), two zero words, then the word 0xE0000000 most significant bit first.
class DeviceControlPosition : public DeviceControl, public ::testing::WithParamInterface<int> {};

TEST_P(DeviceControlPosition, ResetSendsZerosThenTheResetWord) {
  Attach(3, GetParam());
  FBench->Channel().SetJournalling(true);
  EXPECT_TRUE(Reset());
  // The bits the neighbours in front still hold when the shift ends never reach the part.
  const std::string received = BitsText(FBench->Part().LastCfgInBits());
  EXPECT_EQ(received.substr(0, 99), std::string(96, '0') + "111");
  EXPECT_EQ(received.size(), static_cast<std::size_t>(32 - GetParam() + 64 + 32 + 1));
  const auto& journal = FBench->Channel().Journal();
  const auto leadIn = std::find_if(journal.begin(), journal.end(), [](const auto& c) { return c.Id == 503583; });
  ASSERT_NE(leadIn, journal.end());
  EXPECT_EQ(leadIn->Arguments, "0 " + std::to_string(32 - GetParam()) + " false");
  EXPECT_EQ(FBench->Channel().OpenCount(), 2);
  EXPECT_EQ(FBench->Channel().CloseCount(), 2);
}

INSTANTIATE_TEST_SUITE_P(Positions, DeviceControlPosition, ::testing::Values(0, 1, 2));

TEST_F(DeviceControl, StateAndUserCodeOpenAndCloseTheChannelOnce) {
  Attach(2, 1);
  EXPECT_EQ(State(), 1);
  EXPECT_EQ(FBench->Channel().OpenCount(), 1);
  EXPECT_EQ(UserCode(), 0xFFFFFFFFu);
  EXPECT_EQ(FBench->Channel().OpenCount(), 2);
  EXPECT_EQ(FBench->Channel().CloseCount(), 2);
}

TEST_F(DeviceControl, AFailingScanFailsTheCallAndClosesTheChannel) {
  Attach();
  FBench->Channel().FailCall(503599, 1);  // ScanData
  EXPECT_EQ(Call(kReadUserCode).Status, static_cast<HRESULT>(0x8000FFFFu));
  EXPECT_FALSE(FBench->Channel().IsOpen());
  FBench->Channel().FailCall(503602, 1);  // ScanInstruction
  EXPECT_EQ(Call(kGetDeviceState).Status, static_cast<HRESULT>(0x8000FFFFu));
  EXPECT_FALSE(FBench->Channel().IsOpen());
  FBench->Channel().FailCall(503601, 2);  // the JPROGRAM SetInstruction
  EXPECT_EQ(Call(kResetDevice).Status, static_cast<HRESULT>(0x8000FFFFu));
  EXPECT_FALSE(FBench->Channel().IsOpen());
}

TEST_F(DeviceControl, UserCodeAtEveryChainPosition) {
  for (const int position : {0, 1, 2}) {
    Attach(3, position);
    Configure(0x80000001u + static_cast<std::uint32_t>(position));
    EXPECT_EQ(UserCode(), 0x80000001u + static_cast<std::uint32_t>(position)) << position;
  }
}

}  // namespace
