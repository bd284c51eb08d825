// The programming routine with watched host services: busy cursor, progress, start-up paths.
#include <gtest/gtest.h>

#include "JTagFixture.h"
#include "jtag/BitstreamProgrammer.h"

namespace {

using TConfig = TSimArtix7ConfigLogic;

class TWatchedServices : public jtag::TJTagHostServices {
 public:
  void ShowBusyCursor() override { Events.push_back("cursor"); }
  void RestoreCursor() override { Events.push_back("restore"); }
  void ProgressBegin(const std::string& caption, std::int64_t total) override {
    Events.push_back("begin " + caption + " " + std::to_string(total));
  }
  void ProgressStep() override { ++Steps; }
  void ProgressEnd() override { Events.push_back("end after " + std::to_string(Steps)); }
  bool FamilyFlag(const std::string& family, const std::string& key, const std::string& section) override {
    Events.push_back("flag " + family + " " + key + " " + section);
    return UpdateIR;
  }
  std::vector<std::string> Events;
  int Steps = 0;
  bool UpdateIR = false;
};

class ProgrammingRoutine : public TJTagFixture {
 protected:
  std::int32_t Program(const std::string& path) { return jtag::ProgramDevice(FBench->Driver(), path, FServices); }
  TWatchedServices FServices;
};

TEST_F(ProgrammingRoutine, CursorAndProgressFrameTheBinaryRoutine) {
  Attach();
  const auto bytes = simbitstream::Build({});
  const std::string path = WriteFile("demo.bit", bytes);
  EXPECT_EQ(Program(path), static_cast<std::int32_t>(bytes.size() * 8));
  const std::string size = std::to_string(bytes.size());
  EXPECT_EQ(FServices.Events, (std::vector<std::string>{"flag Artix7 UseUpdateIROnStart General", "cursor",
                                                        "begin Programming Device Via JTag... " + size,
                                                        "end after " + size, "restore"}));
}

TEST_F(ProgrammingRoutine, AFailureEndsTheProgressClosesTheChannelAndRestoresTheCursor) {
  Attach();
  const std::string path = WriteFile("demo.bit", simbitstream::Build({}));
  for (const DISPID failing : {DISPID{503585}, DISPID{503583}, DISPID{503605}, DISPID{503593}}) {
    FServices.Events.clear();
    FServices.Steps = 0;
    FBench->Channel().FailCall(failing, failing == 503585 ? 5 : failing == 503593 ? 1 : 2);
    EXPECT_THROW(Program(path), EHostCallFailed) << failing;
    ASSERT_GE(FServices.Events.size(), 3u) << failing;
    EXPECT_EQ(FServices.Events.back(), "restore") << failing;
    EXPECT_EQ(FServices.Events[FServices.Events.size() - 2].rfind("end after", 0), 0u) << failing;
    EXPECT_FALSE(FBench->Channel().IsOpen()) << failing;
  }
}

TEST_F(ProgrammingRoutine, TheTextRoutineEndsItsProgressBeforeTheStartup) {
  Attach();
  const auto bytes = simbitstream::Build({});
  const std::string text = simbitstream::ToText(bytes, "7a100tcsg324");
  const std::string path = WriteText("demo.rbt", text);
  FBench->Channel().SetJournalling(true);
  ASSERT_GT(Program(path), 0);
  const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  EXPECT_EQ(FServices.Events[2], "begin Programming Device Via JTag... " + std::to_string(lines));
  EXPECT_EQ(FServices.Events[3], "end after " + std::to_string(lines - 7));  // one step per data line
  EXPECT_TRUE(FBench->Part().Configured());
}

// The two exits after JSTART: the Artix-7 default clocks in Shift-DR; the Update-IR path
// (older families, or the configuration flag) clocks in Run-Test/Idle. Both start a
// JTAG-clocked part.
class ProgrammingStartup : public ProgrammingRoutine, public ::testing::WithParamInterface<bool> {};

TEST_P(ProgrammingStartup, BothExitsStartAJtagClockedPart) {
  const bool updateIR = GetParam();
  Attach();
  FServices.UpdateIR = updateIR;
  FBench->Channel().SetJournalling(true);
  const std::string path = WriteFile("jtag.bit", simbitstream::Build({.StartupClock = TConfig::eStartupClock_JTAG}));
  ASSERT_GT(Program(path), 0);
  EXPECT_TRUE(FBench->Part().Configured()) << FBench->Part().Config().WhyNotConfigured();

  const auto& journal = FBench->Channel().Journal();
  const auto jstart = std::find_if(journal.begin(), journal.end(),
                                   [](const auto& c) { return c.Id == 503593 && c.Arguments == "12 0"; });
  ASSERT_NE(jstart, journal.end());
  std::vector<std::string> after;
  for (auto it = jstart + 1; it != journal.end(); ++it) after.push_back(std::to_string(it->Id) + " " + it->Arguments);
  std::vector<std::string> expected;
  if (updateIR) {
    expected = {"503608 1", "503608 0"};
    expected.insert(expected.end(), 13, "503608 0");
  } else {
    expected = {"503605 13 5"};
    expected.insert(expected.end(), 13, "503608 0");
    expected.push_back("503605 5 2");
  }
  expected.push_back("503426 ");
  EXPECT_EQ(after, expected);
}

INSTANTIATE_TEST_SUITE_P(Exits, ProgrammingStartup, ::testing::Values(false, true));

TEST(StartupPath, OlderFamiliesTakeTheUpdateIRExit) {
  TWatchedServices services;
  for (const char* family : {"Spartan6", "virtex5", "SPARTAN3ADSP", "Virtex2P"})
    EXPECT_TRUE(jtag::UsesUpdateIROnStart(family, services)) << family;
  EXPECT_TRUE(services.Events.empty());
  EXPECT_FALSE(jtag::UsesUpdateIROnStart("Artix7", services));
  services.UpdateIR = true;
  EXPECT_TRUE(jtag::UsesUpdateIROnStart("Artix7", services));
}

}  // namespace
