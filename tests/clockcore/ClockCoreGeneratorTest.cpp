// The three generator objects a driver hands out, and IsValidClockCore.
#include <gtest/gtest.h>

#include "ClockCoreTestSupport.h"
#include "hostsim/SimClockCore.h"
#include "platform/Text.h"

namespace {

using namespace clockcore_test;
using testing_support::Invoke;

struct TGeneratorKind {
  DISPID Factory;
  const char* Service;
};

const TGeneratorKind kGenerators[] = {
    {kClockCoreGenerator, "ClockCoreGenerator"},
    {kClockCoreTemplateGenerator, "ClockCoreTemplateGenerator"},
    {kClockGeneratorTargetCore, "TargetCoreGenerator"},
};

TEST(ClockCoreGenerators, EachDriverCallCreatesANewObjectThatTheHostsLastReleaseEnds) {
  for (const auto& kind : kGenerators) {
    const TComPtr<IDispatch> driver = testing_support::LoadedPlugin().Driver(46);
    auto first = Invoke(driver.Get(), kind.Factory);
    auto second = Invoke(driver.Get(), kind.Factory);
    ASSERT_EQ(first.Status, S_OK);
    ASSERT_EQ(first.Value.Type(), VT_DISPATCH);
    ASSERT_NE(first.Value.Raw().pdispVal, nullptr);
    EXPECT_NE(first.Value.Raw().pdispVal, second.Value.Raw().pdispVal) << kind.Service;
    // The result VARIANT holds the only reference: one more and one less leave exactly it.
    IDispatch* object = first.Value.Raw().pdispVal;
    EXPECT_EQ(object->AddRef(), 2u) << kind.Service;
    EXPECT_EQ(object->Release(), 1u) << kind.Service;
  }
}

TEST(ClockCoreGenerators, AnswerTheirOwnServiceNameWithoutCase) {
  for (const auto& kind : kGenerators) {
    const TComPtr<IDispatch> generator = NewGenerator(kind.Factory);
    ASSERT_TRUE(generator);
    for (const auto& other : kGenerators) {
      const bool expected = other.Factory == kind.Factory;
      auto answer = Invoke(generator.Get(), 1023, {TVariant(text::LowerAscii(other.Service))});
      ASSERT_EQ(answer.Status, S_OK);
      EXPECT_EQ(answer.Value.Raw().boolVal != 0, expected) << kind.Service << " asked for " << other.Service;
    }
    EXPECT_EQ(Invoke(generator.Get(), 1023, {TVariant("QuillDriver")}).Value.Raw().boolVal, VARIANT_FALSE);
    EXPECT_EQ(Invoke(generator.Get(), 1024).Status, E_NOTIMPL);
    // Each generator answers only its own operation.
    for (DISPID op : {kIsValidClockCore, kFillTemplate, kGenerateTargetCore}) {
      const bool own = (op == kIsValidClockCore && kind.Factory == kClockCoreGenerator) ||
                       (op == kFillTemplate && kind.Factory == kClockCoreTemplateGenerator) ||
                       (op == kGenerateTargetCore && kind.Factory == kClockGeneratorTargetCore);
      if (!own) {
        EXPECT_EQ(Invoke(generator.Get(), op).Status, E_NOTIMPL) << kind.Service << " " << op;
      }
    }
  }
}

struct TValidityCase {
  const char* What;
  double Multiply;
  double Divide;
  double InputMhz;
  bool Valid;
};

TEST(IsValidClockCore, AcceptsOnlyAVcoStrictlyInsideItsRangeAndAnAchievableRatio) {
  const TValidityCase cases[] = {
      {"multiply 10 at 100 MHz", 10, 1, 100, true},
      {"product 500", 10, 1, 50, false},
      {"product exactly 1200", 10, 1, 120, false},
      {"product exactly 600", 10, 1, 60, false},
      {"product just inside 1200", 10, 1, 119.99, true},
      {"ratio 64/106", 64, 106, 15, true},    // product 960
      {"ratio 3/7", 3, 7, 300, true},
      {"multiplier above 64", 65, 1, 10, false},
      {"ratio no pair reaches", 2, 107, 400, false},
      {"divide by zero", 10, 0, 100, false},
      {"negative multiplier", -10, 1, -100, false},  // product 1000, but no ratio fits
  };
  const TComPtr<IDispatch> generator = NewGenerator(kClockCoreGenerator);
  for (const auto& c : cases) {
    auto core = MakeObject<TSimClockCore>();
    core->AddModifier("CLKOUT0", c.Multiply, c.Divide, c.InputMhz);
    auto answer = Invoke(generator.Get(), kIsValidClockCore, {TVariant(core->AsDispatch())});
    ASSERT_EQ(answer.Status, S_OK) << c.What;
    ASSERT_EQ(answer.Value.Type(), VT_BOOL) << c.What;
    EXPECT_EQ(answer.Value.Raw().boolVal != 0, c.Valid) << c.What;
  }
}

TEST(IsValidClockCore, WithoutClockOutputZeroDataTheCoreIsNotValid) {
  const TComPtr<IDispatch> generator = NewGenerator(kClockCoreGenerator);
  auto core = MakeObject<TSimClockCore>();
  core->AddModifier("CLKOUT1", 10, 1, 100);
  auto answer = Invoke(generator.Get(), kIsValidClockCore, {TVariant(core->AsDispatch())});
  ASSERT_EQ(answer.Status, S_OK);
  EXPECT_EQ(answer.Value.Raw().boolVal, VARIANT_FALSE);
}

TEST(IsValidClockCore, AMissingClockCoreFailsTheCall) {
  const TComPtr<IDispatch> generator = NewGenerator(kClockCoreGenerator);
  EXPECT_EQ(Invoke(generator.Get(), kIsValidClockCore, {TVariant(static_cast<IDispatch*>(nullptr))}).Status,
            static_cast<HRESULT>(0x8000FFFF));
  EXPECT_EQ(Invoke(generator.Get(), kIsValidClockCore).Status, static_cast<HRESULT>(0x8000FFFF));
}

}  // namespace
