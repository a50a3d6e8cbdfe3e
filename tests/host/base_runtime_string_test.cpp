// File: base_runtime_string_test.cpp
#include <gtest/gtest.h>

#include <optional>
#include <sstream>

#include "base_runtime/VOKString.h"
#include "base_runtime/VOKUnicodeString.h"

namespace {

TEST(VOKStringTest, ConcatenatesAndConverts) {
  const VOKString name = VOKString("Calendar") + "7";
  EXPECT_STREQ("Calendar7", static_cast<const char*>(name));
  EXPECT_EQ("Calendar7_Frame", (name + VOKString("_Frame")).str());
  EXPECT_EQ("", VOKString(static_cast<const char*>(nullptr)).str());
  EXPECT_EQ("x", (VOKString("x") + static_cast<const char*>(nullptr)).str());
}

TEST(VOKUnicodeStringTest, CountsCharactersNotBytes) {
  struct Row {
    const char* text;
    int chars;
  };
  const Row rows[] = {
      {"", 0}, {"mm/dd/yyyy", 10}, {"Überprüfung", 11}, {"มกราคม", 6}, {"März 2025", 9}, {"a\xF0\x9F\x93\x85z", 3},
  };
  for (const Row& row : rows) EXPECT_EQ(row.chars, VOKUnicodeString(row.text).GetLengthInChar()) << row.text;
}

TEST(VOKUnicodeStringTest, IndexesByCharacter) {
  const VOKUnicodeString text("März 2025");
  EXPECT_EQ(VOKUnicodeChar(U'ä'), text[1]);
  EXPECT_EQ(VOKUnicodeChar(U'r'), text[2]);
  EXPECT_EQ(VOKUnicodeChar(U'2'), text[5]);
  EXPECT_EQ(VOKUnicodeChar(), text[9]);
  EXPECT_EQ(VOKUnicodeChar(), text[-1]);
  EXPECT_EQ("rz 2", text.SubString(2, 4).ToUtf8());
  EXPECT_EQ("Mä", text.SubString(-3, 5).ToUtf8());
  EXPECT_EQ("2025", text.SubString(5, 100).ToUtf8());
  EXPECT_EQ("", text.SubString(4, -2).ToUtf8());
  EXPECT_EQ("", text.SubString(20, 2).ToUtf8());
}

TEST(VOKUnicodeStringTest, ReplacesInvalidUtf8WithReplacementCharacter) {
  // A stray continuation byte, a truncated sequence, an overlong "/" and
  // an encoded surrogate: each bad byte becomes one U+FFFD.
  const VOKUnicodeString text("a\x80" "b\xE2\x82" "c\xC0\xAF" "d\xED\xA0\x80");
  EXPECT_EQ("a\uFFFD" "b\uFFFD\uFFFD" "c\uFFFD\uFFFD" "d\uFFFD\uFFFD\uFFFD", text.ToUtf8());
  EXPECT_EQ(12, text.GetLengthInChar());
  EXPECT_EQ(VOKUnicodeChar(U'b'), text[2]);
}

TEST(VOKUnicodeStringTest, ComparesAndTestsEquality) {
  const VOKUnicodeString apple("apple");
  EXPECT_EQ(2, apple.Compare(VOKUnicodeString("apple")));
  EXPECT_EQ(1, apple.Compare(VOKUnicodeString("banana")));
  EXPECT_EQ(3, apple.Compare(VOKUnicodeString("app")));
  EXPECT_EQ(1, VOKUnicodeString("z").Compare(VOKUnicodeString("ä")));
  EXPECT_TRUE(apple == "apple");
  EXPECT_FALSE(apple != "apple");
  EXPECT_TRUE(apple != VOKUnicodeString("Apple"));
  EXPECT_TRUE(VOKUnicodeString() == static_cast<const char*>(nullptr));
}

TEST(VOKUnicodeStringTest, ReplaceAllWorksLeftToRightWithoutRescanning) {
  VOKUnicodeString layout("dd.mm.yyyy dd");
  layout.ReplaceAll(VOKUnicodeString("dd"), VOKUnicodeString("%d"));
  EXPECT_EQ("%d.mm.yyyy %d", layout.ToUtf8());

  VOKUnicodeString grow("aXa");
  grow.ReplaceAll(VOKUnicodeString("a"), VOKUnicodeString("aa"));
  EXPECT_EQ("aaXaa", grow.ToUtf8());

  VOKUnicodeString thai("วว/ดด/ปปปป");
  thai.ReplaceAll(VOKUnicodeString("ปปปป"), VOKUnicodeString("%Y"));
  EXPECT_EQ("วว/ดด/%Y", thai.ToUtf8());
  EXPECT_EQ(8, thai.GetLengthInChar());
}

TEST(VOKUnicodeStringTest, ReplaceAllWithEmptySearchChangesNothing) {
  VOKUnicodeString text("mm/dd/yyyy");
  text.ReplaceAll(VOKUnicodeString(""), VOKUnicodeString("%Y"));
  EXPECT_EQ("mm/dd/yyyy", text.ToUtf8());
  text.ReplaceAll(VOKUnicodeString("/"), VOKUnicodeString(""));
  EXPECT_EQ("mmddyyyy", text.ToUtf8());
}

TEST(VOKUnicodeStringTest, StripTrimsTheNamedEnds) {
  const VOKUnicodeString text("  20 25  ");
  EXPECT_EQ("20 25  ", text.Strip(VOKUnicodeString::StripLeading, ' ').ToUtf8());
  EXPECT_EQ("20 25", text.Strip(VOKUnicodeString::StripBoth, ' ').ToUtf8());
  EXPECT_EQ("  20 25", text.Strip(VOKUnicodeString::StripTrailing, ' ').ToUtf8());
  EXPECT_EQ("  20 25  ", text.Strip(7, ' ').ToUtf8());
  EXPECT_EQ("", VOKUnicodeString("    ").Strip(1, ' ').ToUtf8());
  EXPECT_EQ("x", VOKUnicodeString("ääxä").Strip(1, VOKUnicodeChar(U'ä')).ToUtf8());
  EXPECT_EQ("ab", VOKUnicodeString("ab").Strip(1, VOKUnicodeChar(0xD800)).ToUtf8());
}

TEST(VOKUnicodeStringTest, SearchSubStringGivesCharacterPositions) {
  const VOKUnicodeString text("ดด/mm/yyyy mm");
  EXPECT_EQ(3, text.SearchSubString(VOKUnicodeString("mm"), 0, 1));
  EXPECT_EQ(11, text.SearchSubString(VOKUnicodeString("mm"), 4, 1));
  EXPECT_EQ(-1, text.SearchSubString(VOKUnicodeString("mm"), 12, 1));
  EXPECT_EQ(-1, text.SearchSubString(VOKUnicodeString("dd"), 0, 1));
  EXPECT_EQ(0, text.SearchSubString(VOKUnicodeString("ด"), 0, 1));
  EXPECT_EQ(3, text.SearchSubString(VOKUnicodeString("mm"), 10, 0));
  EXPECT_EQ(11, text.SearchSubString(VOKUnicodeString("mm"), 99, 0));
  EXPECT_EQ(-1, text.SearchSubString(VOKUnicodeString("mm"), 2, 0));
  EXPECT_EQ(-1, text.SearchSubString(VOKUnicodeString("mm"), -1, 0));
  EXPECT_EQ(3, text.SearchSubString(VOKUnicodeString("mm"), -5, 1));
}

TEST(VOKUnicodeStringTest, AppendAndNarrowForms) {
  VOKUnicodeString text("Jan");
  text.Append(VOKUnicodeString("ü")).Append(VOKUnicodeString("r"));
  EXPECT_EQ("Janür", text.ToUtf8());
  EXPECT_EQ(5, text.GetLengthInChar());
  EXPECT_EQ("Janür", text.ConvertToChar().str());
  EXPECT_STREQ("Janür", text.CastToCharPtr());
  std::ostringstream out;
  out << text;
  EXPECT_EQ("Janür", out.str());
}

TEST(VOKUnicodeCharTest, DigitsOfAnyScript) {
  EXPECT_EQ(1, VOKUnicodeChar(U'7').IsDigit());
  EXPECT_EQ(1, VOKUnicodeChar(U'๓').IsDigit());  // Thai three
  EXPECT_EQ(1, VOKUnicodeChar(U'٤').IsDigit());  // Arabic-Indic four
  EXPECT_EQ(0, VOKUnicodeChar(U'a').IsDigit());
  EXPECT_EQ(0, VOKUnicodeChar(U'/').IsDigit());
  EXPECT_EQ(0, VOKUnicodeChar(0x110000).IsDigit());
}

struct ConvertRow {
  const char* text;
  const char* format;
  std::optional<int> expected;
};

TEST(VOKUnicodeStringTest, ConvertToNumReadsAsScanfWould) {
  const ConvertRow rows[] = {
      {"2020", "%d", 2020},
      {"2020x", "%d", 2020},
      {" \t12", "%d", 12},
      {"-5", "%d", -5},
      {"+7", "%d", 7},
      {"007", "%d", 7},
      {"2147483647", "%d", 2147483647},
      {"-2147483648", "%d", -2147483647 - 1},
      {"Year 12", "Year %d", 12},
      {"Year   12", "Year %d", 12},
      {"50%12", "50%%%d", 12},
      {"2025", "%2d", 20},
      {"ff", "%x", 255},
      {"0x1A", "%x", 26},
      {"0x1A", "%i", 26},
      {"010", "%i", 8},
      {"17", "%o", 15},
      {"0xg", "%x", 0},
  };
  for (const ConvertRow& row : rows) {
    int value = -99;
    EXPECT_NE(0, VOKUnicodeString(row.text).ConvertToNum(&value, row.format)) << row.text << " " << row.format;
    EXPECT_EQ(*row.expected, value) << row.text << " " << row.format;
  }
}

TEST(VOKUnicodeStringTest, ConvertToNumFailsOnBadTextAndLeavesValue) {
  const ConvertRow rows[] = {
      {"x12", "%d", std::nullopt},
      {"", "%d", std::nullopt},
      {"   ", "%d", std::nullopt},
      {"-", "%d", std::nullopt},
      {"+ 5", "%d", std::nullopt},
      {"2147483648", "%d", std::nullopt},
      {"-2147483649", "%d", std::nullopt},
      {"99999999999999999999999", "%d", std::nullopt},
      {"Jahr 12", "Year %d", std::nullopt},
      {"٣", "%d", std::nullopt},
      {"12", "%s", std::nullopt},
      {"12 13", "%d %d", std::nullopt},
      {"12", "%ld", std::nullopt},
      {"12", "%*d", std::nullopt},
      {"12", "%n", std::nullopt},
      {"12", "no conversion", std::nullopt},
      {"12", "%", std::nullopt},
      {"12", "%1234d", std::nullopt},
  };
  for (const ConvertRow& row : rows) {
    int value = -99;
    EXPECT_EQ(0, VOKUnicodeString(row.text).ConvertToNum(&value, row.format)) << row.text << " " << row.format;
    EXPECT_EQ(-99, value) << row.text << " " << row.format;
  }
  EXPECT_EQ(0, VOKUnicodeString("12").ConvertToNum(nullptr, "%d"));
  int value = -99;
  EXPECT_EQ(0, VOKUnicodeString("12").ConvertToNum(&value, nullptr));
}

TEST(VOKUnicodeStringTest, BuildFromNumWritesAsPrintfWould) {
  struct Row {
    int value;
    const char* format;
    const char* expected;
  };
  const Row rows[] = {
      {2025, "%d", "2025"},   {-5, "%d", "-5"},         {7, "%04d", "0007"},   {7, "%-3d|", "7  |"},
      {255, "%x", "ff"},      {255, "%#X", "0XFF"},     {-1, "%u", "4294967295"}, {8, "%o", "10"},
      {5, "%+d", "+5"},       {42, "Year %d%%", "Year 42%"}, {3, "%.2i", "03"},
  };
  for (const Row& row : rows) {
    VOKUnicodeString text;
    EXPECT_NE(0, text.BuildFromNum(row.value, row.format)) << row.format;
    EXPECT_EQ(row.expected, text.ToUtf8()) << row.format;
  }
}

TEST(VOKUnicodeStringTest, BuildFromNumRefusesOtherFormatsAndKeepsText) {
  for (const char* format : {"%s", "%d %d", "%#d", "%ld", "%n", "%f", "plain", "%", "%*d", "%5000d", "%.5000d"}) {
    VOKUnicodeString text("old");
    EXPECT_EQ(0, text.BuildFromNum(12, format)) << format;
    EXPECT_EQ("old", text.ToUtf8()) << format;
  }
  VOKUnicodeString text("old");
  EXPECT_EQ(0, text.BuildFromNum(12, nullptr));
}

}  // namespace
