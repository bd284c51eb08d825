// The real bitstreams of the samples folder on the simulated part.
#include <gtest/gtest.h>

#include "JTagFixture.h"

namespace {

using TConfig = TSimArtix7ConfigLogic;

constexpr const char* kA100T = "snake_top_vivado2019_7a100t.bit";
constexpr const char* kA35T = "prjxraydb_basys3_swbut_7a35t.bit";

using SampleBitstream = TJTagFixture;

#define SKIP_WITHOUT_SAMPLE(name)                                                           \
  if (SamplePath(name).empty()) GTEST_SKIP() << "samples folder absent: " << name << " not found"

TEST_F(SampleBitstream, TheXC7A100TBitstreamConfiguresThePartWithBothCrcChecks) {
  SKIP_WITHOUT_SAMPLE(kA100T);
  Attach();
  EXPECT_EQ(Program(SamplePath(kA100T)), 30607104);
  EXPECT_TRUE(FBench->Part().Configured()) << FBench->Part().Config().WhyNotConfigured();
  EXPECT_EQ(FBench->Part().Config().CrcChecksPassed(), 2);
  EXPECT_EQ(FBench->Part().Config().FrameWordsWritten(), 955864u);
  EXPECT_EQ(State(), 2);
  EXPECT_EQ(static_cast<std::uint32_t>(Call(503789).Value.Raw().lVal), 0xFFFFFFFFu);
}

TEST_F(SampleBitstream, AnotherPartsBitstreamIsRefusedForTheIdcode) {
  SKIP_WITHOUT_SAMPLE(kA35T);
  Attach();
  EXPECT_GT(Program(SamplePath(kA35T)), 0);
  EXPECT_EQ(State(), 1);
  EXPECT_EQ(FBench->Part().Config().WhyNotConfigured(),
            "IDCODE mismatch: the stream is for 0x0362D093, the part is 0x13631093");
}

TEST_F(SampleBitstream, PatchedToTheJtagClockItConfiguresOnlyWithTheJStartClocks) {
  SKIP_WITHOUT_SAMPLE(kA100T);
  auto bytes = simbitstream::ReadFile(SamplePath(kA100T));
  ASSERT_TRUE(simbitstream::PatchStartupClock(bytes, TConfig::eStartupClock_JTAG));
  const std::string path = WriteFile("jtag.bit", bytes);

  // Stream the data alone (no JSTART): the part waits in start-up.
  TConfig logic(0x13631093u);
  const std::size_t data = simbitstream::DataOffset(bytes);
  for (std::size_t i = data; i < bytes.size(); ++i)
    for (int bit = 7; bit >= 0; --bit) logic.ShiftBit(((bytes[i] >> bit) & 1) != 0);
  EXPECT_FALSE(logic.Done());
  EXPECT_EQ(logic.CrcChecksPassed(), 2);
  EXPECT_NE(logic.WhyNotConfigured().find("JTAG clock"), std::string::npos) << logic.WhyNotConfigured();
  for (int i = 0; i < TConfig::kStartupPhases; ++i) logic.JtagStartupClock();
  EXPECT_TRUE(logic.Done());

  // ProgramDevice gives those clocks.
  Attach();
  EXPECT_EQ(Program(path), 30607104);
  EXPECT_TRUE(FBench->Part().Configured()) << FBench->Part().Config().WhyNotConfigured();
}

TEST_F(SampleBitstream, OneFlippedFrameByteFailsTheCrcCheck) {
  SKIP_WITHOUT_SAMPLE(kA100T);
  auto bytes = simbitstream::ReadFile(SamplePath(kA100T));
  bytes[simbitstream::FirstFrameDataOffset(bytes) + 4000] ^= 0x80;
  TConfig logic(0x13631093u);
  for (std::size_t i = simbitstream::DataOffset(bytes); i < bytes.size(); ++i)
    for (int bit = 7; bit >= 0; --bit) logic.ShiftBit(((bytes[i] >> bit) & 1) != 0);
  EXPECT_FALSE(logic.Done());
  EXPECT_FALSE(logic.Init());
  EXPECT_NE(logic.WhyNotConfigured().find("CRC check failed"), std::string::npos) << logic.WhyNotConfigured();
}

}  // namespace
