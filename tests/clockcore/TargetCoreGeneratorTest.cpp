// GenerateTargetCore: the EDIF netlist written through the host's text file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "ClockCoreTestSupport.h"
#include "EdifChecker.h"

namespace {

using namespace clockcore_test;
using testing::AllOf;
using testing::Contains;
using testing::Each;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;
using testing_support::Invoke;

constexpr std::int32_t kPhase = 0;
constexpr std::int32_t kDivide = 1;
constexpr std::int32_t kMultiply = 2;

const std::vector<TOutputRequest> kQuarterAndThreeFull = {
    {'A', kDivide, 4}, {'B', kMultiply, 1}, {'C', kMultiply, 1}, {'D', kMultiply, 1}};

const char kNoSolution[] = "Could not calculate MMCM M/D values for given frequencies. Family Artix7.";

TEST(GenerateTargetCore, HundredMegahertzCoreCarriesTheParametersFound) {
  const TNetlistRun run = GenerateNetlist(100, kQuarterAndThreeFull);
  ASSERT_EQ(run.Status, S_OK);
  EXPECT_THAT(run.Errors, IsEmpty());
  EXPECT_EQ(PropertyValue(run, "CLKFBOUT_MULT_F"), "12");
  EXPECT_EQ(PropertyValue(run, "DIVCLK_DIVIDE"), "1");
  EXPECT_EQ(PropertyValue(run, "CLKIN1_PERIOD"), "10");
  EXPECT_EQ(PropertyValue(run, "CLKOUT0_DIVIDE_F"), "48");
  EXPECT_EQ(PropertyValue(run, "CLKOUT1_DIVIDE_F"), "12");
  EXPECT_EQ(PropertyValue(run, "CLKOUT2_DIVIDE_F"), "12");
  EXPECT_EQ(PropertyValue(run, "CLKOUT3_DIVIDE_F"), "12");
  EXPECT_THAT(edif::CheckNetlist(run.Text), IsEmpty());
}

TEST(GenerateTargetCore, WritesTheFixedLinesExactly) {
  const TNetlistRun run = GenerateNetlist(100, kQuarterAndThreeFull);
  ASSERT_GE(run.Lines.size(), 12u);
  const std::vector<std::string> head(run.Lines.begin(), run.Lines.begin() + 12);
  EXPECT_THAT(head, ElementsAre("(edif clk_core", "  (edifVersion 2 0 0)", "  (edifLevel 0)",
                                "  (keywordMap (keywordLevel 0))", "  (status", "    (written",
                                testing::MatchesRegex(R"(      \(timeStamp [0-9]{4}( [0-9]{1,2}){5}\))"),
                                "      (program \"Korvane Core Generator\" (version \"Korvane Core Generator 1.0.0\"))",
                                "      (comment \"Commandline parameters = -test \")", "     )", "   )",
                                "  (library UNISIMS"));
  const std::vector<std::string> tail(run.Lines.end() - 6, run.Lines.end());
  EXPECT_THAT(tail, ElementsAre("         )", "       )", "    )", "  )",
                                "  (design clk_core (cellRef clk_core (libraryRef work)))", ")"));
  // Lines whose spacing and punctuation are easy to get wrong.
  for (const char* line :
       {"           (port (array (rename DADDR \"DADDR(6:0)\") 7) (direction INPUT))",
        "    (cell GND (celltype GENERIC) (view PRIM (viewType NETLIST)",
        "          (port G (direction OUTPUT)))))",
        "              (instance clkf_buf (viewref PRIM (cellRef BUFG (libraryRef UNISIMS))) (property box_type "
        "(string \"PRIMITIVE\")))",
        "    (instance clkout1_buf (viewref PRIM (cellRef BUFG (libraryRef UNISIMS))) (property box_type (string "
        "\"PRIMITIVE\")))",
        "    (instance clkdll_adv (viewref PRIM (cellRef MMCME2_ADV (libraryRef UNISIMS)))",
        "     (instance clkin1_buf (viewref PRIM (cellRef BUFG (libraryRef UNISIMS)))",
        "      (property IOSTANDARD (string \"DEFAULT\")))",
        "       (portRef (member DI 15)  (instanceRef clkdll_adv))",
        "       (portRef PWRDWN  (instanceRef clkdll_adv))))",
        "     (net clk_signal_out0 (joined",
        "       (portRef I  (instanceRef clkout1_buf))))"})
    EXPECT_THAT(run.Lines, Contains(std::string(line)));
}

TEST(GenerateTargetCore, ClockManagerOutputNetsRunFromDToA) {
  const TNetlistRun run = GenerateNetlist(100, kQuarterAndThreeFull);
  std::vector<std::string> order;
  for (const std::string& line : run.Lines)
    if (line.find("(net clk_signal_out") != std::string::npos) order.push_back(line);
  EXPECT_THAT(order, ElementsAre("     (net clk_signal_out3 (joined", "     (net clk_signal_out2 (joined",
                                 "     (net clk_signal_out1 (joined", "     (net clk_signal_out0 (joined"));
}

TEST(GenerateTargetCore, UnusedOutputsLeaveNoPortBufferOrNetButKeepTheirProperties) {
  const TNetlistRun run = GenerateNetlist(100, {{'B', kDivide, 2}, {'D', kMultiply, 2}});
  ASSERT_EQ(run.Status, S_OK);
  EXPECT_THAT(edif::CheckNetlist(run.Text), IsEmpty());
  for (const char* absent : {"(port CLKA ", "(port CLKC ", "clkout1_buf", "clkout3_buf", "CLK_OUT1", "CLK_OUT3",
                             "clk_signal_out0", "clk_signal_out2"})
    EXPECT_EQ(CountLinesWith(run, absent), 0u) << absent;
  for (const char* present : {"(port CLKB ", "(port CLKD ", "(instance clkout2_buf", "(instance clkout4_buf",
                              "(net CLK_OUT2 ", "(net CLK_OUT4 ", "(net clk_signal_out1 ", "(net clk_signal_out3 "})
    EXPECT_EQ(CountLinesWith(run, present), 1u) << present;
  for (int port = 0; port <= 3; ++port)
    EXPECT_NE(PropertyValue(run, "CLKOUT" + std::to_string(port) + "_DIVIDE_F"), "<missing>") << port;
  // A and C run at the input frequency: B is 50 MHz, D 200 MHz, the VCO 1200 MHz.
  EXPECT_EQ(PropertyValue(run, "CLKOUT0_DIVIDE_F"), "12");
  EXPECT_EQ(PropertyValue(run, "CLKOUT1_DIVIDE_F"), "24");
  EXPECT_EQ(PropertyValue(run, "CLKOUT3_DIVIDE_F"), "6");
}

TEST(GenerateTargetCore, PhaseOutputsCarryTheirDegreesAndRunAtTheInputFrequency) {
  const TNetlistRun run = GenerateNetlist(125, {{'A', kPhase, 22.5}, {'B', kDivide, 2.5}});
  ASSERT_EQ(run.Status, S_OK);
  EXPECT_EQ(PropertyValue(run, "CLKOUT0_PHASE"), "22.5");
  EXPECT_EQ(PropertyValue(run, "CLKOUT1_PHASE"), "0.0");
  EXPECT_EQ(PropertyValue(run, "CLKFBOUT_MULT_F"), "9.5");  // 125 x 9.5 = 1187.5 MHz
  EXPECT_EQ(PropertyValue(run, "CLKOUT0_DIVIDE_F"), "9.5");
  EXPECT_EQ(PropertyValue(run, "CLKOUT1_DIVIDE_F"), "23.75");
  EXPECT_EQ(PropertyValue(run, "CLKIN1_PERIOD"), "8");
}

TEST(GenerateTargetCore, TwelveMegahertzStartsAtMultiplierSixtyFour) {
  const TNetlistRun run = GenerateNetlist(12, {{'A', kMultiply, 1}});
  ASSERT_EQ(run.Status, S_OK);
  EXPECT_EQ(PropertyValue(run, "CLKFBOUT_MULT_F"), "64");  // VCO 768 MHz
  EXPECT_EQ(PropertyValue(run, "DIVCLK_DIVIDE"), "1");
  EXPECT_EQ(PropertyValue(run, "CLKIN1_PERIOD"), "83.3333333333333");
  EXPECT_EQ(PropertyValue(run, "CLKOUT0_DIVIDE_F"), "64");
}

TEST(GenerateTargetCore, WithoutParametersTheErrorIsReportedAndTheNetlistStillCompleted) {
  for (double mhz : {5.0, 900.0}) {
    const TNetlistRun run = GenerateNetlist(mhz, kQuarterAndThreeFull);
    ASSERT_EQ(run.Status, S_OK) << mhz;
    EXPECT_THAT(run.Errors, ElementsAre(kNoSolution)) << mhz;
    EXPECT_EQ(CountLinesWith(run, "(instance clkdll_adv"), 0u);
    EXPECT_EQ(CountLinesWith(run, "(instance clkin1_buf"), 0u);
    EXPECT_EQ(CountLinesWith(run, "(property "), 5u) << "only the feedback and the four output buffers keep one";
    EXPECT_EQ(run.Lines.back(), ")");
    EXPECT_EQ(CountLinesWith(run, "(net "), 16u);
    // Balanced, and the only unresolved references are the two instances left out.
    EXPECT_THAT(edif::CheckNetlist(run.Text),
                Each(AllOf(HasSubstr("is not declared"),
                           testing::AnyOf(HasSubstr("instanceRef clkdll_adv"), HasSubstr("instanceRef clkin1_buf")))));
  }
}

TEST(GenerateTargetCore, TheCoreIsAskedOnlyAboutOutputCharactersFromBelowAToD) {
  auto core = MakeObject<TSimTargetCore>();
  core->Output('A') = {kDivide, 2, true};
  auto file = MakeObject<TSimTextFile>();
  const TComPtr<IDispatch> generator = NewGenerator(kClockGeneratorTargetCore);
  ASSERT_EQ(Invoke(generator.Get(), kGenerateTargetCore, {TVariant(file->AsDispatch()), TVariant(core->AsDispatch())})
                .Status,
            S_OK);
  ASSERT_THAT(core->LetterQuestions(), Not(IsEmpty()));
  for (const TSimLetterQuestion& question : core->LetterQuestions()) {
    EXPECT_GE(question.Letter, '@');
    EXPECT_LE(question.Letter, 'D');
    if (question.Id != 509943) {
      EXPECT_GE(question.Letter, 'A') << "only output names are asked for '@'";
    }
  }
}

TEST(GenerateTargetCore, AFailingTextFileFailsTheCallAndIsReleased) {
  auto core = MakeObject<TSimTargetCore>();
  auto file = MakeObject<TSimTextFile>();
  file->FailFromLine(20);
  const TComPtr<IDispatch> generator = NewGenerator(kClockGeneratorTargetCore);
  const std::int32_t referencesBefore = file->RefCount();
  EXPECT_EQ(Invoke(generator.Get(), kGenerateTargetCore, {TVariant(file->AsDispatch()), TVariant(core->AsDispatch())})
                .Status,
            static_cast<HRESULT>(0x8000FFFF));
  EXPECT_EQ(file->Lines().size(), 20u);
  EXPECT_EQ(file->RefCount(), referencesBefore) << "the generator still holds the text file";
  // The same generator serves the next request normally.
  auto goodFile = MakeObject<TSimTextFile>();
  EXPECT_EQ(Invoke(generator.Get(), kGenerateTargetCore, {TVariant(goodFile->AsDispatch()), TVariant(core->AsDispatch())})
                .Status,
            S_OK);
  EXPECT_EQ(goodFile->RefCount(), referencesBefore);
  EXPECT_EQ(goodFile->Lines().back(), ")");
}

TEST(GenerateTargetCore, MissingArgumentsFailTheCall) {
  const TComPtr<IDispatch> generator = NewGenerator(kClockGeneratorTargetCore);
  auto file = MakeObject<TSimTextFile>();
  EXPECT_EQ(Invoke(generator.Get(), kGenerateTargetCore,
                   {TVariant(file->AsDispatch()), TVariant(static_cast<IDispatch*>(nullptr))})
                .Status,
            static_cast<HRESULT>(0x8000FFFF));
  EXPECT_EQ(Invoke(generator.Get(), kGenerateTargetCore).Status, static_cast<HRESULT>(0x8000FFFF));
  EXPECT_THAT(file->Lines(), IsEmpty());
}

struct TWellFormedCase {
  double InputMhz;
  std::vector<TOutputRequest> Outputs;
};

TEST(GenerateTargetCore, NetlistsOfManyRequestsAreWellFormedEdif) {
  const TWellFormedCase cases[] = {
      {100, kQuarterAndThreeFull},
      {100, {}},
      {50, {{'C', kDivide, 2}}},
      {27, {{'A', kMultiply, 2}, {'B', kDivide, 3}, {'D', kPhase, 90}}},
      {200, {{'A', kDivide, 1}, {'B', kDivide, 2}, {'C', kDivide, 4}, {'D', kDivide, 8}}},
      {33.333, {{'A', kMultiply, 3}}},
      {800, {{'D', kDivide, 2}}},
  };
  for (const auto& c : cases) {
    const TNetlistRun run = GenerateNetlist(c.InputMhz, c.Outputs);
    ASSERT_EQ(run.Status, S_OK) << c.InputMhz;
    ASSERT_THAT(run.Errors, IsEmpty()) << c.InputMhz;
    EXPECT_THAT(edif::CheckNetlist(run.Text), IsEmpty()) << c.InputMhz << " MHz, " << c.Outputs.size() << " outputs";
  }
}

}  // namespace
