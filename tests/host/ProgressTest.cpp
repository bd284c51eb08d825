#include "host/Progress.h"

#include <gtest/gtest.h>

#include "support/HostFixture.h"

using testing_support::THostTest;

TEST(ProgressPercent, RoundsHalvesToEvenAndCaps) {
  struct TCase {
    std::int64_t Current, Total;
    std::int32_t Expected;
  } cases[] = {
      {1, 0, 100},   {0, 10, 0},   {1, 200, 0},   // 0.5 rounds to even 0
      {3, 200, 2},                                 // 1.5 rounds to 2
      {5, 200, 2},                                 // 2.5 rounds to 2
      {1, 3, 33},    {2, 3, 67},   {7, 5, 100},   // never above 100
      {1, 8, 12},                                  // 12.5 rounds to 12
  };
  for (const TCase& c : cases) EXPECT_EQ(ProgressPercent(c.Current, c.Total), c.Expected) << c.Current << "/" << c.Total;
}

class Progress : public THostTest {
 protected:
  void TearDown() override {
    while (ProgressDepth() > 0) ProgressEnd();
  }
  std::vector<std::string> StatusCalls() const { return Host.Log().Lines({"GUIManager"}); }
};

TEST_F(Progress, BeginStepEndDriveTheStatusBar) {
  ProgressBegin("Programming Device Via JTag...", 4);
  ProgressStep();
  ProgressEnd();
  EXPECT_EQ(StatusCalls(), (std::vector<std::string>{
                               "GUIManager.164(-3, \"\")",
                               "GUIManager.164(-5, \"Programming Device Via JTag...\")",
                               "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")",
                               "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")",
                               "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")",
                               "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")",
                               "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")",
                               "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")",
                               "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")",
                               "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")", "GUIManager.164(-7, \"\")",
                               "GUIManager.164(-7, \"\")", "GUIManager.164(-6, \"\")", "GUIManager.164(-4, \"\")",
                           }));
  ASSERT_EQ(Host.GUIManager().ProgressRuns().size(), 1u);
  EXPECT_EQ(Host.GUIManager().ProgressRuns()[0].Steps, 25);
  EXPECT_TRUE(Host.GUIManager().ProgressRuns()[0].Finished);
}

TEST_F(Progress, ATotalOfZeroAdvancesAllAtOnceAndATotalOf200ByOnePercentPerTwoSteps) {
  ProgressBegin("zero", 0);
  ProgressStep();
  ProgressEnd();
  ProgressBegin("two hundred", 200);
  ProgressStep();
  ProgressStep();
  ProgressEnd();
  const auto& runs = Host.GUIManager().ProgressRuns();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].Steps, 100);
  EXPECT_EQ(runs[1].Steps, 1);
}

TEST_F(Progress, RecordsNestAndOnlyTheTopOneAdvances) {
  ProgressBegin("outer", 2);
  ProgressBegin("inner", 4);
  ProgressStep();  // inner: 25 %
  ProgressEnd();
  ProgressStep();  // outer: 50 %
  ProgressEnd();
  const auto& runs = Host.GUIManager().ProgressRuns();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].Caption, "outer");
  EXPECT_EQ(runs[0].Steps, 50);
  EXPECT_EQ(runs[1].Caption, "inner");
  EXPECT_EQ(runs[1].Steps, 25);
  EXPECT_EQ(ProgressDepth(), 0u);
}

TEST_F(Progress, StepAndEndWithoutARecordDoNothing) {
  ProgressStep();
  ProgressEnd();
  EXPECT_TRUE(StatusCalls().empty());
}

TEST_F(Progress, StatusTextGoesToItsPane) {
  SetStatusText(2, "Ready");
  EXPECT_EQ(Host.GUIManager().Panes().at(2), "Ready");
}

TEST(ProgressWithoutHost, IsSkippedButStillCountsRecords) {
  ProgressBegin("no host", 10);
  ProgressStep();
  EXPECT_EQ(ProgressDepth(), 1u);
  ProgressEnd();
  EXPECT_EQ(ProgressDepth(), 0u);
}
