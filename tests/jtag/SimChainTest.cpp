// The simulated chain itself: TAP paths, bypassing neighbours, scans at every position.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "JTagFixture.h"
#include "host/HostObject.h"
#include "hostsim/SimSvfRecorder.h"

namespace {

TEST(SimTap, ShortestTmsPathsBetweenStates) {
  struct TCase {
    TapState From, To;
    const char* Tms;
  };
  const TCase cases[] = {
      {eTap_TestLogicReset, eTap_RunTestIdle, "0"}, {eTap_RunTestIdle, eTap_ShiftDR, "100"},
      {eTap_RunTestIdle, eTap_ShiftIR, "1100"},     {eTap_Exit1DR, eTap_RunTestIdle, "10"},
      {eTap_Exit1IR, eTap_ShiftDR, "1100"},         {eTap_ShiftDR, eTap_RunTestIdle, "110"},
      {eTap_RunTestIdle, eTap_RunTestIdle, ""},     {eTap_PauseDR, eTap_ShiftDR, "10"},
  };
  for (const auto& c : cases) EXPECT_EQ(TSimTap::PathTms(c.From, c.To), c.Tms) << c.From << "->" << c.To;
  // Five TMS ones reach Test-Logic-Reset from anywhere.
  for (int s = eTap_TestLogicReset; s <= eTap_UpdateIR; ++s) {
    TapState state = static_cast<TapState>(s);
    for (int i = 0; i < 5; ++i) state = TSimTap::Next(state, true);
    EXPECT_EQ(state, eTap_TestLogicReset) << s;
  }
}

class SimChain : public TJTagFixture {};

TEST_F(SimChain, ScansReachThePartAtEveryPositionThroughBypassingNeighbours) {
  for (const int position : {0, 1, 2, 3}) {
    auto& bench = Attach(4, position);
    TSimJTagChannel& channel = bench.Channel();
    channel.Open();
    channel.SetInstruction(0x09, position);  // IDCODE
    EXPECT_EQ(static_cast<std::uint32_t>(channel.ScanData(0, 32, position)), 0x13631093u) << position;
    EXPECT_EQ(channel.ScanInstruction(-1, position), 0b010001) << position;
    EXPECT_EQ(bench.Part().Instruction(), 0x3Fu);
    for (std::size_t p = 0; p < bench.Chain().Size(); ++p)
      EXPECT_EQ(bench.Chain().Device(p).Instruction(), bench.Chain().Device(p).BypassInstruction());
    channel.Close();
  }
}

TEST_F(SimChain, EveryBypassingDeviceDelaysTheDataByOneBit) {
  auto& bench = Attach(3, 2);
  TSimJTagChannel& channel = bench.Channel();
  channel.Open();
  channel.SetInstruction(0x05, 2);  // CFG_IN, the others BYPASS
  channel.MoveState(eTap_RunTestIdle, eTap_ShiftDR);
  channel.ShiftBitString("1011", false);
  // Four bits shifted: the two zeros the neighbours held, then the first two of 1,1,0,1.
  EXPECT_EQ(BitsText(bench.Part().LastCfgInBits()), "0011");
  channel.Close();
}

TEST_F(SimChain, MembersCalledInTheWrongStateOrWithBadBitsFail) {
  auto& bench = Attach();
  const auto call = [&](DISPID id, std::vector<TVariant> args) {
    return testing_support::Invoke(&bench.Channel(), id, std::move(args)).Status;
  };
  EXPECT_EQ(call(503601, {TVariant(5), TVariant(0)}), static_cast<HRESULT>(0x8000FFFFu));  // not open
  EXPECT_EQ(call(503425, {}), S_OK);
  EXPECT_EQ(call(503605, {TVariant(6), TVariant(2)}), static_cast<HRESULT>(0x8000FFFFu));  // TAP not in Exit1-DR
  EXPECT_EQ(call(503583, {TVariant(0), TVariant(8), TVariant(false)}), static_cast<HRESULT>(0x8000FFFFu));
  EXPECT_EQ(call(503607, {TVariant(5)}), S_OK);
  EXPECT_EQ(call(503585, {TVariant("0120"), TVariant(false)}), static_cast<HRESULT>(0x8000FFFFu));
  EXPECT_EQ(call(503601, {TVariant(5), TVariant(1)}), static_cast<HRESULT>(0x8000FFFFu));  // no device 1
  EXPECT_EQ(call(503426, {}), S_OK);
}

}  // namespace

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(SimChain, TheSvfRecordingHoldsWholeChainScans) {
  auto& bench = Attach(3, 1);
  const auto bytes = simbitstream::Build({});
  const std::string svf = (FFolder / "program.svf").string();
  {
    TSimSvfRecorder recorder(bench.Chain(), svf);
    ASSERT_GT(Program(WriteFile("demo.bit", bytes)), 0);
  }
  const std::string text = ReadText(svf);
  // Instructions of all three devices, the first shifted in the lowest bits: BYPASS (8 bits)
  // for the device at TDO, the part's CFG_IN (6), BYPASS (8).
  EXPECT_NE(text.find("STATE RESET;\nSTATE IDLE;\nSIR 22 TDI (3FC5FF);\n"), std::string::npos) << text.substr(0, 400);
  EXPECT_NE(text.find("SIR 22 TDI (3FCCFF);\nSDR 14 TDI (0000);\n"), std::string::npos);  // JSTART, 13 + 1 clocks
  // The data scan: lead-in (31), the bytes from the synchronisation point, lead-out (32),
  // the exit bit, and one bit each for the bypass registers on the way.
  const std::size_t sent = bytes.size() - simbitstream::DataOffset(bytes);
  EXPECT_NE(text.find("SDR " + std::to_string(31 + sent * 8 + 32 + 1) + " TDI ("), std::string::npos);
}

}  // namespace

namespace {

// The number of TCKs a 1 takes to cross the part's data register under `instruction`.
int DataRegisterLength(TSimArtix7Bench& bench, std::int32_t instruction) {
  TSimJTagChannel& channel = bench.Channel();
  channel.Open();
  channel.SetInstruction(instruction, 0);
  channel.MoveState(eTap_RunTestIdle, eTap_ShiftDR);
  channel.ShiftBits(0, 4000, false);  // flush whatever the register held
  int length = -1;
  for (int i = 0; i < 4000 && length < 0; ++i)
    if (bench.Chain().Clock(false, i == 0)) length = i;
  channel.GotoState(eTap_RunTestIdle);
  channel.Close();
  return length;
}

TEST_F(SimChain, TheBoundaryRegisterHasTheLengthOfThePartsDescription) {
  const std::string synthetic = testing_support::BinDir() + "/synthetic-bsdl";
  if (!std::filesystem::is_directory(synthetic)) GTEST_SKIP() << "no synthetic BSDL files were built";
  setenv("ARTIX7_BSDL_PATH", synthetic.c_str(), 1);
  auto& bench = Attach();
  const auto entity = THostObject(bench.Driver()).Call<TComPtr<IDispatch>>(503406);
  unsetenv("ARTIX7_BSDL_PATH");
  ASSERT_TRUE(entity);
  const int described = THostObject(entity).Call<std::int32_t>(503461);
  EXPECT_EQ(bench.Part().BoundaryLength(), described);
  EXPECT_EQ(DataRegisterLength(bench, 0x01), described);  // SAMPLE/PRELOAD
  EXPECT_EQ(DataRegisterLength(bench, 0x26), described);  // EXTEST
  EXPECT_EQ(DataRegisterLength(bench, 0x09), 32);         // IDCODE
  EXPECT_EQ(DataRegisterLength(bench, 0x3F), 1);          // BYPASS
}

}  // namespace
