// Parameter strings: parsing, writing, look-ups and the typed getters.
#include <gtest/gtest.h>

#include <clocale>

#include "host/ParameterList.h"

namespace {

std::vector<std::pair<std::string, std::string>> Pairs(const std::string& state) {
  TParameterList list;
  list.SetState(state);
  std::vector<std::pair<std::string, std::string>> out;
  for (std::size_t i = 0; i < list.Count(); ++i) out.emplace_back(list.At(i).Name(), list.At(i).Value());
  return out;
}

using P = std::vector<std::pair<std::string, std::string>>;

TEST(ParameterListTest, ParsesPairsInOrder) {
  const struct {
    std::string text;
    P pairs;
  } cases[] = {
      {"A=1|B=2", {{"A", "1"}, {"B", "2"}}},
      {" A = 1 ", {{"A", "1"}}},
      {"A=x=y", {{"A", "x=y"}}},
      {"A=1|B|C=3", {{"A", "1"}, {"C", "3"}}},
      {"A=1||C=3", {{"A", "1"}, {"C", "3"}}},
      {"=value", {}},
      {"A=", {{"A", ""}}},
      {"", {}},
      {"A=1|", {{"A", "1"}}},
      {"A=1|a=2", {{"A", "1"}, {"a", "2"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(Pairs(c.text), c.pairs) << c.text;
}

TEST(ParameterListTest, WritesBackInOrderWithEmptyValuesAsOneSpace) {
  TParameterList list;
  list.SetState("A=1|B=2");
  EXPECT_EQ(list.GetState(), "A=1|B=2");
  list.SetState("A=");
  EXPECT_EQ(list.GetState(), "A= ");
  TParameterList again;
  again.SetState(list.GetState());
  EXPECT_EQ(again.At(0).Value(), "");
}

TEST(ParameterListTest, LookupsIgnoreCaseAndTheFirstPairWins) {
  TParameterList list;
  list.SetState("A=1|a=2");
  std::string value;
  EXPECT_TRUE(list.GetState_ParameterAsString("a", value));
  EXPECT_EQ(value, "1");
  EXPECT_TRUE(list.GetState_ParameterAsString(" A ", value));
  EXPECT_EQ(value, "1");
  EXPECT_TRUE(list.SetState_RemoveByName("a"));
  EXPECT_EQ(list.GetState(), "a=2");
  EXPECT_FALSE(list.GetState_ParameterAsString("missing", value));
  EXPECT_EQ(value, "");
  const char* chars = nullptr;
  EXPECT_FALSE(list.GetState_ParameterAsPChar("missing", chars));
  EXPECT_STREQ(chars, "");
}

TEST(ParameterListTest, AddingTrimsAndDropsEmptyNames) {
  TParameterList list;
  list.SetState_AddParameter("  ", "x");
  list.SetState_AddParameter(" N ", " v ");
  list.SetState_AddParameterAsBoolean("B", true);
  list.SetState_AddParameterAsInteger("I", -12);
  list.SetState_AddParameterAsInt64("L", 1LL << 40);
  list.SetState_AddParameterAsDouble("D", 0.1);
  EXPECT_EQ(list.GetState(), "N=v|B=True|I=-12|L=1099511627776|D=0.1");
}

TEST(ParameterListTest, BooleanGetterAcceptsOnlyTrue) {
  TParameterList list;
  list.SetState("a=true|b=TRUE|c= True |d=yes|e=1|f=");
  for (const char* name : {"a", "b", "c"}) {
    bool v = false;
    EXPECT_TRUE(list.GetState_ParameterAsBoolean(name, v));
    EXPECT_TRUE(v) << name;
  }
  for (const char* name : {"d", "e", "f"}) {
    bool v = true;
    EXPECT_TRUE(list.GetState_ParameterAsBoolean(name, v));
    EXPECT_FALSE(v) << name;
  }
  std::int16_t word = 0;
  EXPECT_TRUE(list.GetState_ParameterAsWordBool("a", word));
  EXPECT_EQ(word, -1);
  bool v = true;
  EXPECT_FALSE(list.GetState_ParameterAsBoolean("missing", v));
}

TEST(ParameterListTest, IntegerGettersReadDecimalAndHexAndRejectTheRest) {
  TParameterList list;
  list.SetState("a=$1F|b=0x1F|c=x1F|d=-7|e=12ab|f=|g=70000|h=300");
  const struct {
    const char* name;
    bool ok;
    std::int32_t value;
  } cases[] = {{"a", true, 31}, {"b", true, 31}, {"c", true, 31}, {"d", true, -7},
               {"e", false, 0}, {"f", false, 0}, {"missing", false, 0}};
  for (const auto& c : cases) {
    std::int32_t v = 0;
    EXPECT_EQ(list.GetState_ParameterAsInteger(c.name, v), c.ok) << c.name;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.name;
    }
  }
  std::int16_t small = 0;
  EXPECT_TRUE(list.GetState_ParameterAsSmallInt("g", small));
  EXPECT_EQ(small, static_cast<std::int16_t>(70000 & 0xFFFF));
  std::uint8_t byte = 0;
  EXPECT_TRUE(list.GetState_ParameterAsByte("h", byte));
  EXPECT_EQ(byte, 300 & 0xFF);
}

TEST(ParameterListTest, RealNumbersUseAPointWhateverTheLocale) {
  std::setlocale(LC_ALL, "de_DE.UTF-8");  // where present, a comma locale must change nothing
  TParameterList list;
  list.SetState("a=1.5|b=1,5|c=abc");
  double d = 0;
  EXPECT_TRUE(list.GetState_ParameterAsDouble("a", d));
  EXPECT_EQ(d, 1.5);
  EXPECT_THROW(list.GetState_ParameterAsDouble("b", d), EConvertError);
  float f = 0;
  EXPECT_TRUE(list.GetState_ParameterAsReal("a", f));
  EXPECT_EQ(f, 1.5f);
  EXPECT_FALSE(list.GetState_ParameterAsReal("c", f));
  TParameterList out;
  out.SetState_AddParameterAsDouble("x", 2.25);
  EXPECT_EQ(out.GetState(), "x=2.25");
  std::setlocale(LC_ALL, "C");
}

TEST(ParameterListTest, FreeFunctionsReadAndReplaceOneValue) {
  std::string value;
  EXPECT_FALSE(ParameterString_GetValue("", "A", value));
  EXPECT_TRUE(ParameterString_GetValue("A=1|B=2", "b", value));
  EXPECT_EQ(value, "2");
  EXPECT_TRUE(ParameterString_GetValue("A=1|B=2", "A", value));  // same string, cached parse
  EXPECT_EQ(value, "1");
  EXPECT_TRUE(ParameterString_GetValue("A=9", "A", value));  // a different string is parsed again
  EXPECT_EQ(value, "9");

  std::string s = "A=1|B=2";
  ParameterString_SetValue(s, "B", "7");
  EXPECT_EQ(s, "A=1|B=7");
  s = "A=1|B=2";
  ParameterString_SetValue(s, "C", "");
  EXPECT_EQ(s, "A=1|B=2|C= ");
}

}  // namespace
