// Text helpers: UTF-16 round trips, OLE strings, case rules and number formats.
#include <gtest/gtest.h>

#include "host/Variant.h"
#include <vector>

#include "platform/Text.h"

namespace {

TEST(TextTest, Utf16RoundTripsThroughOleStrings) {
  for (std::string s : std::vector<std::string>{"", "plain", "Gr\xC3\xB6\xC3\x9F" "e", "\xF0\x9F\x98\x80 emoji", std::string("nul\0in", 6)}) {
    BSTR b = AllocBstr(s);
    EXPECT_EQ(BstrToUtf8(b), s);
    SysFreeString(b);
  }
  BSTR b = AllocBstr("\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(SysStringLen(b), 3u);
  SysFreeString(b);
  EXPECT_EQ(SysStringLen(nullptr), 0u);
  EXPECT_EQ(BstrToUtf8(nullptr), "");
}

TEST(TextTest, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(text::ToUtf16("\xC3"), std::u16string(u"\xFFFD"));
  EXPECT_EQ(text::ToUtf16("a\xFF" "b"), std::u16string(u"a\xFFFD" "b"));
  EXPECT_EQ(text::ToUtf8(std::u16string(1, static_cast<char16_t>(0xD800))), "\xEF\xBF\xBD");
}

TEST(TextTest, CaseInsensitiveComparisonIsAsciiOnly) {
  EXPECT_TRUE(text::EqualsNoCase("QuillDriver", "quilldriver"));
  EXPECT_FALSE(text::EqualsNoCase("Quill", "Quill "));
  EXPECT_TRUE(text::LessNoCase{}("abc", "ABD"));
  EXPECT_FALSE(text::LessNoCase{}("ABC", "abc"));
  EXPECT_EQ(text::FindNoCase("Total Number of Pins", "number"), 6u);
}

TEST(TextTest, GeneralFormatUsesFifteenDigitsAndAPoint) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{0, "0"},          {1, "1"},           {0.1, "0.1"},           {30.0003, "30.0003"},
               {1.0 / 3, "0.333333333333333"}, {-2.5, "-2.5"}, {1e20, "1E20"}, {123456789012345678.0, "1.23456789012346E17"},
               {0.00001, "0.00001"}, {0.000001, "1E-6"},  {0.0001, "0.0001"}, {100, "100"}};
  for (const auto& c : cases) EXPECT_EQ(text::FormatGeneral(c.value, 15), c.text) << c.value;
}

TEST(TextTest, IntegerParsingAcceptsSignsAndHexPrefixes) {
  EXPECT_EQ(text::ParseInt("$1F"), 31);
  EXPECT_EQ(text::ParseInt("-0x10"), -16);
  EXPECT_EQ(text::ParseInt(" 42 "), 42);
  EXPECT_FALSE(text::ParseInt("0x"));
  EXPECT_FALSE(text::ParseInt("4 2"));
  EXPECT_FALSE(text::ParseInt("99999999999999999999"));
  EXPECT_FALSE(text::ParseDouble("nan"));
  EXPECT_FALSE(text::ParseDouble("1,5"));
  EXPECT_EQ(text::ParseDouble("1e3"), 1000.0);
}

}  // namespace
