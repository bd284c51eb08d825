// ProgramDevice on the simulated chain: what the part receives and whether it configures.
#include <gtest/gtest.h>

#include "JTagFixture.h"

namespace {

using TConfig = TSimArtix7ConfigLogic;

constexpr DISPID kProgramDevice = 503788;
constexpr DISPID kShiftBitString = 503585;
constexpr DISPID kShiftBits = 503583;

class ProgramDevice : public TJTagFixture {
 protected:
  // A small valid stream for the part of kind 0.
  std::vector<std::uint8_t> Stream(TSimBitstreamOptions options = {}) const { return simbitstream::Build(options); }

  // A binary file: some header bytes, then `data`.
  std::vector<std::uint8_t> Binary(const std::vector<std::uint8_t>& data) const {
    std::vector<std::uint8_t> bytes = {0x00, 0x09, 0x0F, 0xF0, 0x61, 0x00, 0x02, 0x41, 0x00};
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
  }

  std::vector<std::size_t> ShiftBitStringLengths() const {
    std::vector<std::size_t> lengths;
    for (const auto& call : FBench->Channel().Journal())
      if (call.Id == kShiftBitString) lengths.push_back(call.Arguments.find(' '));
    return lengths;
  }
};

TEST_F(ProgramDevice, ConfiguresThePartFromAGeneratedStreamAndReportsTheFileBits) {
  Attach();
  const auto bytes = Stream({.UserCode = 0x12345678u});
  const std::string path = WriteFile("demo.bit", bytes);
  EXPECT_EQ(State(), 1);
  EXPECT_EQ(Program(path), static_cast<std::int32_t>(bytes.size() * 8));
  EXPECT_TRUE(FBench->Part().Configured()) << FBench->Part().Config().WhyNotConfigured();
  EXPECT_EQ(State(), 2);
  const auto userCode = Call(503789);
  EXPECT_EQ(static_cast<std::uint32_t>(userCode.Value.Raw().lVal), 0x12345678u);
  EXPECT_EQ(FBench->Part().Config().CrcChecksPassed(), 2);
  EXPECT_EQ(FBench->Part().Config().FrameWordsWritten(), 4u * simbitstream::kFrameWords);
}

TEST_F(ProgramDevice, TheFirstBitsSentAreTheFourFFBytesThenTheSyncWordMostSignificantBitFirst) {
  Attach();
  const std::vector<std::uint8_t> data = {0xFF, 0xFF, 0xFF, 0xFF, 0xAA, 0x99, 0x55, 0x66, 0x20, 0x00, 0x00, 0x00};
  Program(WriteFile("sync.bit", Binary(data)));
  const auto& bits = FBench->Part().LastCfgInBits();
  // After the 32-bit lead-in the data arrives in file order.
  EXPECT_EQ(BitsText(bits, 0, 32), std::string(32, '0'));
  std::string expected;
  for (const std::uint8_t b : data) expected += ByteBits(b);
  EXPECT_EQ(BitsText(bits, 32, expected.size()), expected);
  EXPECT_EQ(FBench->Part().Config().Synchronisations(), 1);
  EXPECT_EQ(FBench->Part().Config().SyncBitOffset(), 64u);
}

TEST_F(ProgramDevice, WithFiveFFBytesSendingStartsWithTheFirstFourAndTheFifthIsData) {
  Attach();
  const std::vector<std::uint8_t> data = {0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x34};
  Program(WriteFile("five.bit", Binary(data)));
  const auto& bits = FBench->Part().LastCfgInBits();
  EXPECT_EQ(BitsText(bits, 32, 48), std::string(40, '1') + ByteBits(0x34));
  // Lead-in, six bytes, lead-out, then the one bit of the exit from Shift-DR.
  EXPECT_EQ(FBench->Part().LastCfgInBitCount(), 32u + 48u + 32u + 1u);
}

TEST_F(ProgramDevice, SendsEightByteBlocksAndTheRestInOneLastBlock) {
  Attach();
  FBench->Channel().SetJournalling(true);
  std::vector<std::uint8_t> data = {0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 13; ++i) data.push_back(static_cast<std::uint8_t>(i));
  Program(WriteFile("blocks.bit", Binary(data)));
  EXPECT_EQ(ShiftBitStringLengths(), (std::vector<std::size_t>{64, 64, 8}));
  const auto& bits = FBench->Part().LastCfgInBits();
  std::string expected;
  for (const std::uint8_t b : data) expected += ByteBits(b);
  EXPECT_EQ(BitsText(bits, 32, expected.size()), expected);
}

TEST_F(ProgramDevice, AnUpperCaseBitExtensionIsBinary) {
  Attach();
  const auto bytes = Stream();
  EXPECT_EQ(Program(WriteFile("DEMO.BIT", bytes)), static_cast<std::int32_t>(bytes.size() * 8));
  EXPECT_TRUE(FBench->Part().Configured());
  EXPECT_EQ(Program(WriteFile("demo.Cor", bytes)), static_cast<std::int32_t>(bytes.size() * 8));
}

TEST_F(ProgramDevice, AFileWithoutSynchronisationPointSendsNothingAndReportsNothing) {
  Attach();
  FBench->Channel().SetJournalling(true);
  EXPECT_EQ(Program(WriteFile("nosync.bit", Binary({0xFF, 0xFF, 0xFF, 0x00, 0xAA, 0x99, 0x55, 0x66}))), 0);
  EXPECT_EQ(Program(WriteFile("empty.bit", {})), 0);
  EXPECT_TRUE(FBench->Channel().Journal().empty());
  EXPECT_EQ(FBench->Channel().OpenCount(), 0);
}

TEST_F(ProgramDevice, AMissingFileOrNoChainGivesZeroWithoutChannelActivity) {
  Attach();
  FBench->Channel().SetJournalling(true);
  EXPECT_EQ(Program((FFolder / "absent.bit").string()), 0);
  EXPECT_EQ(Program(""), 0);
  EXPECT_TRUE(FBench->Channel().Journal().empty());

  // A device object without a chain.
  const std::string path = WriteFile("demo.bit", Stream());
  auto device = MakeObject<TSimQuillDevice>(std::make_shared<THostEventLog>(), TComPtr<IDispatch>(FBench->Driver()), 0);
  testing_support::Invoke(FBench->Driver(), 503754, {TVariant(device->AsDispatch())});
  EXPECT_EQ(Program(path), 0);
  EXPECT_EQ(State(), 0);
  EXPECT_EQ(static_cast<std::uint32_t>(Call(503789).Value.Raw().lVal), 0xFFFFFFFFu);
  EXPECT_FALSE(Call(503786).Value.Raw().boolVal);
  testing_support::Invoke(FBench->Driver(), 503754, {TVariant(static_cast<IDispatch*>(nullptr))});
  EXPECT_EQ(FBench->Channel().OpenCount(), 0);
}

TEST_F(ProgramDevice, AFileThatCannotBeReadFailsTheCallWithoutChannelActivity) {
  Attach();
  FBench->Channel().SetJournalling(true);
  std::filesystem::create_directories(FFolder / "folder.bit");
  const auto result = Call(kProgramDevice, {TVariant((FFolder / "folder.bit").string())});
  EXPECT_EQ(result.Status, static_cast<HRESULT>(0x8000FFFFu));
  EXPECT_TRUE(FBench->Channel().Journal().empty());
}

TEST_F(ProgramDevice, AFailingHostCallAbortsAndLeavesTheChannelClosed) {
  Attach();
  const std::string path = WriteFile("demo.bit", Stream());
  for (const DISPID failing : {kShiftBitString, DISPID{503581}, DISPID{503593}}) {
    FBench->Channel().FailCall(failing, 3 * (failing == kShiftBitString) + 1);
    const auto result = Call(kProgramDevice, {TVariant(path)});
    EXPECT_EQ(result.Status, static_cast<HRESULT>(0x8000FFFFu)) << failing;
    EXPECT_FALSE(FBench->Channel().IsOpen()) << failing;
    EXPECT_EQ(FBench->Channel().OpenCount(), FBench->Channel().CloseCount()) << failing;
    // Cut off in the middle of the frames, the part stays unconfigured.
    if (failing == kShiftBitString) {
      EXPECT_FALSE(FBench->Part().Configured());
    }
  }
}

// The lead-in of 32 - Index bits, with the zeros of the bypass registers in front of the part,
// lines the data up on a word at the part whatever its position.
class ProgramDevicePosition : public ProgramDevice, public ::testing::WithParamInterface<int> {};

TEST_P(ProgramDevicePosition, ThePartReceives32ZeroBitsBeforeTheDataAtEveryPosition) {
  const int position = GetParam();
  Attach(3, position);
  FBench->Channel().SetJournalling(true);
  const auto bytes = Stream();
  EXPECT_EQ(Program(WriteFile("demo.bit", bytes)), static_cast<std::int32_t>(bytes.size() * 8));
  EXPECT_TRUE(FBench->Part().Configured()) << FBench->Part().Config().WhyNotConfigured();
  const auto& journal = FBench->Channel().Journal();
  const auto leadIn = std::find_if(journal.begin(), journal.end(), [](const auto& c) { return c.Id == kShiftBits; });
  ASSERT_NE(leadIn, journal.end());
  EXPECT_EQ(leadIn->Arguments, "0 " + std::to_string(32 - position) + " false");
  const auto& bits = FBench->Part().LastCfgInBits();
  EXPECT_EQ(BitsText(bits, 0, 33), std::string(32, '0') + "1");
  EXPECT_EQ(FBench->Part().Config().SyncBitOffset() % 32, 0u);
}

INSTANTIATE_TEST_SUITE_P(Positions, ProgramDevicePosition, ::testing::Values(0, 1, 2));

TEST_F(ProgramDevice, StartupOnTheJtagClockNeedsTheJStartClocks) {
  Attach();
  const auto jtagClocked = Stream({.StartupClock = TConfig::eStartupClock_JTAG});
  EXPECT_GT(Program(WriteFile("jtag.bit", jtagClocked)), 0);
  EXPECT_TRUE(FBench->Part().Configured()) << FBench->Part().Config().WhyNotConfigured();
  EXPECT_EQ(FBench->Part().Config().StartupClock(), TConfig::eStartupClock_JTAG);
  EXPECT_EQ(State(), 2);
}

TEST_F(ProgramDevice, ATextFileIsSentLineByLineAndReportsItsBitsLine) {
  Attach();
  const auto bytes = Stream({.UserCode = 0xCAFEF00Du});
  const std::string text = simbitstream::ToText(bytes, "7a100tcsg324");
  const std::size_t dataBits = (bytes.size() - simbitstream::DataOffset(bytes)) * 8;
  EXPECT_EQ(Program(WriteText("demo.rbt", text)), static_cast<std::int32_t>(dataBits));
  EXPECT_TRUE(FBench->Part().Configured()) << FBench->Part().Config().WhyNotConfigured();
  EXPECT_EQ(static_cast<std::uint32_t>(Call(503789).Value.Raw().lVal), 0xCAFEF00Du);
}

TEST_F(ProgramDevice, TheBitsLineCountsOnlyInTheFirstSevenLines) {
  Attach();
  const std::string word = "11111111111111111111111111111111\n";
  const std::string header6 = "a\nb\nc\nd\ne\nf\n";
  struct TCase {
    std::string Text;
    std::int32_t Expected;
  };
  const TCase cases[] = {
      {header6 + "Bits:        30606304\n" + word, 30606304},
      {header6 + "x\nBits: 30606304\n" + word, 0},           // eighth line
      {"a\nb\nBITS: 12 \nd\ne\nf\ng\n" + word, 12},          // upper case, trailing spaces
      {"a\nbits:\t0\nbits: 5\nd\ne\nf\ng\n" + word, 5},      // zero does not count
      {"a\nBits: 12x\nc\nd\ne\nf\ng\n" + word, 0},           // not a whole number
      {"a\nBits: 12\nc\nd\ne\nf\n", 0},                       // six lines only
  };
  for (const auto& c : cases) EXPECT_EQ(Program(WriteText("case.rbt", c.Text)), c.Expected) << c.Text;
}

TEST_F(ProgramDevice, ATextDataLineIsSentAsItsFirst32CharactersOnly) {
  Attach();
  FBench->Channel().SetJournalling(true);
  const std::string word = "10000000000000000000000000000011";
  Program(WriteText("one.rbt", "a\nb\nc\nd\ne\nf\nBits: 32\n" + word + " trailing text\n"));
  const auto& bits = FBench->Part().LastCfgInBits();
  EXPECT_EQ(BitsText(bits, 32, 32), word);
  EXPECT_EQ(ShiftBitStringLengths(), (std::vector<std::size_t>{32}));
}

TEST_F(ProgramDevice, ATextFileWithoutDataLinesOrWithBadDigitsSendsNothing) {
  Attach();
  FBench->Channel().SetJournalling(true);
  EXPECT_EQ(Program(WriteText("nodata.rbt", "a\nb\nc\nd\ne\nf\nBits: 32\n")), 0);
  const auto bad = Call(kProgramDevice, {TVariant(WriteText("bad.rbt", "a\nb\nc\nd\ne\nf\nBits: 32\n1111\n10x1\n"))});
  EXPECT_EQ(bad.Status, static_cast<HRESULT>(0x8000FFFFu));
  EXPECT_TRUE(FBench->Channel().Journal().empty());
}

TEST_F(ProgramDevice, AStreamForAnotherPartLeavesThePartUnconfiguredAndSaysWhy) {
  Attach(1, 0, 46);  // an XC7A200T
  EXPECT_GT(Program(WriteFile("a100t.bit", Stream())), 0);
  EXPECT_FALSE(FBench->Part().Configured());
  EXPECT_NE(FBench->Part().Config().WhyNotConfigured().find("IDCODE mismatch"), std::string::npos);
  EXPECT_EQ(State(), 1);
}

TEST_F(ProgramDevice, AFlippedFrameByteFailsTheCrcCheck) {
  Attach();
  auto bytes = Stream();
  bytes[simbitstream::FirstFrameDataOffset(bytes) + 10] ^= 0x04;
  Program(WriteFile("flipped.bit", bytes));
  EXPECT_FALSE(FBench->Part().Configured());
  EXPECT_NE(FBench->Part().Config().WhyNotConfigured().find("CRC check failed"), std::string::npos);
  EXPECT_EQ(State(), 1);
}

}  // namespace
