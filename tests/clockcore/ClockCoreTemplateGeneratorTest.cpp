// FillTemplate: the attributes the wizard's template receives, in order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ClockCoreTestSupport.h"
#include "hostsim/SimClockCoreTemplate.h"

// Readable failure messages for the recorded attributes.
inline void PrintTo(const TSimTemplateAttribute& a, std::ostream* os) {
  *os << a.Name << "=" << (a.Used ? "used:" : "unused:") << '"' << a.Value << '"';
}

namespace {

using namespace clockcore_test;
using testing::ElementsAre;
using testing_support::Invoke;

using A = TSimTemplateAttribute;

struct TFilled {
  HRESULT Status;
  bool Answer;
};

TFilled Fill(TSimClockCoreTemplate& clockTemplate) {
  const TComPtr<IDispatch> generator = NewGenerator(kClockCoreTemplateGenerator);
  auto result = Invoke(generator.Get(), kFillTemplate, {TVariant(clockTemplate.AsDispatch())});
  return {result.Status, result.Value.Type() == VT_BOOL && result.Value.Raw().boolVal != 0};
}

TEST(FillTemplate, SetsEveryAttributeInOrder) {
  auto clockTemplate = MakeObject<TSimClockCoreTemplate>();
  clockTemplate->AddInputTarget("CLKIN", 100);
  clockTemplate->AddOutputTarget("CLK_SYS", 50);
  clockTemplate->AddOutputTarget("CLK_FAST", 200);
  clockTemplate->AddActual({"CLKOUT0", 1, 2, 90.4, 0});
  clockTemplate->AddActual({"CLKFX", 8.5, 4, 0, 1});
  clockTemplate->AddActual({"CLKDV", 1, 2.5, 0, 2});  // no third target: left open
  clockTemplate->AddActual({"CLKOUT3", 3, 1, -45, -1});  // no target at all: left open

  const TFilled filled = Fill(*clockTemplate);
  ASSERT_EQ(filled.Status, S_OK);
  EXPECT_TRUE(filled.Answer);
  EXPECT_THAT(clockTemplate->Attributes(),
              ElementsAre(A{"FACTORY_JF", true, "F0F0"}, A{"CLKIN_PERIOD", true, "10.0000"}, A{"CLKA", true, ""},
                          A{"CLKB", true, ""}, A{"CLKOUT0_MAP", true, "CLK_SYS_BUF"}, A{"CLKOUT0_DIVIDE", true, "2"},
                          A{"CLKOUT0_MULTIPLY", true, "1"}, A{"CLKOUT0_PHASE", true, "90"},
                          A{"CLKFX_MAP", true, "CLK_FAST_BUF"}, A{"CLKFX_DIVIDE", true, "4"},
                          A{"CLKFX_MULTIPLY", true, "9"}, A{"CLKDV_MAP", false, "open"},
                          A{"CLKDV_DIVIDE", true, "2.5000"}, A{"CLKOUT3_MAP", false, "open"},
                          A{"CLKOUT3_DIVIDE", true, "1"}, A{"CLKOUT3_MULTIPLY", true, "3"},
                          A{"CLKOUT3_PHASE", true, "-45"}));
  // The template is prepared right after the factory setting.
  EXPECT_THAT(clockTemplate->PreparedAfter(), ElementsAre(1u));
}

TEST(FillTemplate, InputPeriodIsInNanosecondsWithFourDecimals) {
  const std::pair<double, const char*> cases[] = {
      {33.333, "30.0003"}, {100, "10.0000"}, {12, "83.3333"}, {800, "1.2500"}, {156.25, "6.4000"}};
  for (const auto& [mhz, period] : cases) {
    auto clockTemplate = MakeObject<TSimClockCoreTemplate>();
    clockTemplate->AddInputTarget("CLKIN", mhz);
    ASSERT_EQ(Fill(*clockTemplate).Status, S_OK);
    ASSERT_NE(clockTemplate->Attribute("CLKIN_PERIOD"), nullptr);
    EXPECT_EQ(clockTemplate->Attribute("CLKIN_PERIOD")->Value, period) << mhz << " MHz";
  }
}

TEST(FillTemplate, ATemplateWithoutInputTargetFailsTheCall) {
  auto clockTemplate = MakeObject<TSimClockCoreTemplate>();
  EXPECT_EQ(Fill(*clockTemplate).Status, static_cast<HRESULT>(0x8000FFFF));
  // What was set before the failure stays set; nothing is set after it.
  EXPECT_THAT(clockTemplate->Attributes(), ElementsAre(A{"FACTORY_JF", true, "F0F0"}));
}

TEST(FillTemplate, AZeroInputFrequencyGivesAnInfinitePeriodNotACrash) {
  auto clockTemplate = MakeObject<TSimClockCoreTemplate>();
  clockTemplate->AddInputTarget("CLKIN", 0);
  ASSERT_EQ(Fill(*clockTemplate).Status, S_OK);
  EXPECT_EQ(clockTemplate->Attribute("CLKIN_PERIOD")->Value, "INF");
}

}  // namespace
