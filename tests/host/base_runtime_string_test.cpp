#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

#include "base_runtime/VOKString.h"
#include "base_runtime/VOKUnicodeString.h"

namespace {

TEST(VOKStringTest, ConcatenatesAndTakesNullAsEmpty) {
  EXPECT_EQ("Calendar7_Frame", (VOKString("Calendar") + "7" + VOKString("_Frame")).str());
  EXPECT_EQ("x", (VOKString("x") + static_cast<const char*>(nullptr)).str());
}

// The ASCII shortcuts give what the general path gives.
TEST(VOKUnicodeStringTest, AsciiAndOtherTextsIndexAlike) {
  const VOKUnicodeString ascii("12/x5");
  const VOKUnicodeString mixed("12/\u00E95");
  for (int i : {0, 1, 2, 4}) EXPECT_EQ(ascii[i], mixed[i]) << i;
  EXPECT_EQ(U'\u00E9', mixed[3].GetCode());
  EXPECT_EQ(0u, mixed[5].GetCode());
  VOKUnicodeString text("old");
  EXPECT_NE(0, text.BuildFromNum(31, "d\u00EDa %d\xFF"));
  EXPECT_EQ("d\u00EDa 31\uFFFD", text.ToUtf8());
  EXPECT_EQ(7, text.GetLengthInChar());
  EXPECT_NE(0, text.BuildFromNum(INT_MIN, "%d"));
  EXPECT_EQ("-2147483648", text.ToUtf8());
}

TEST(VOKUnicodeStringTest, CountsAndIndexesByCharacter) {
  EXPECT_EQ(6, VOKUnicodeString("มกราคม").GetLengthInChar());
  EXPECT_EQ(3, VOKUnicodeString("a\xF0\x9F\x93\x85z").GetLengthInChar());
  const VOKUnicodeString text("März 2025");
  EXPECT_EQ(VOKUnicodeChar(U'ä'), text[1]);
  EXPECT_EQ(VOKUnicodeChar(), text[9]);
  EXPECT_EQ(VOKUnicodeChar(), text[-1]);
  EXPECT_EQ("rz 2", text.SubString(2, 4).ToUtf8());
  EXPECT_EQ("Mä", text.SubString(-3, 5).ToUtf8());
  EXPECT_EQ("", text.SubString(4, -2).ToUtf8());
  EXPECT_EQ("", text.SubString(20, 2).ToUtf8());
}

TEST(VOKUnicodeStringTest, ReplacesInvalidUtf8WithReplacementCharacter) {
  // A stray continuation byte, a truncated sequence (one U+FFFD for the
  // whole of it), an overlong "/" and an encoded surrogate (one U+FFFD for
  // each of their bytes, since no byte of them can start a sequence that
  // would continue).
  const VOKUnicodeString text(
      "a\x80"
      "b\xE2\x82"
      "c\xC0\xAF"
      "d\xED\xA0\x80");
  EXPECT_EQ(
      "a\uFFFD"
      "b\uFFFD"
      "c\uFFFD\uFFFD"
      "d\uFFFD\uFFFD\uFFFD",
      text.ToUtf8());
  EXPECT_EQ(11, text.GetLengthInChar());
}

TEST(VOKUnicodeStringTest, ComparesAndTestsEquality) {
  const VOKUnicodeString apple("apple");
  EXPECT_EQ(2, apple.Compare(VOKUnicodeString("apple")));
  EXPECT_EQ(3, apple.Compare(VOKUnicodeString("app")));
  EXPECT_EQ(1, VOKUnicodeString("z").Compare(VOKUnicodeString("ä")));
  EXPECT_TRUE(VOKUnicodeString() == static_cast<const char*>(nullptr));
}

TEST(VOKUnicodeStringTest, ReplaceAllWorksLeftToRightWithoutRescanning) {
  VOKUnicodeString grow("aXa");
  grow.ReplaceAll(VOKUnicodeString("a"), VOKUnicodeString("aa"));
  EXPECT_EQ("aaXaa", grow.ToUtf8());
  VOKUnicodeString thai("วว/ดด/ปปปป");
  thai.ReplaceAll(VOKUnicodeString("ปปปป"), VOKUnicodeString("%Y"));
  EXPECT_EQ("วว/ดด/%Y", thai.ToUtf8());
  EXPECT_EQ(8, thai.GetLengthInChar());
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
  EXPECT_EQ("  20 25  ", text.Strip(7, ' ').ToUtf8());
  EXPECT_EQ("", VOKUnicodeString("    ").Strip(1, ' ').ToUtf8());
  EXPECT_EQ("x", VOKUnicodeString("ääxä").Strip(1, VOKUnicodeChar(U'ä')).ToUtf8());
}

TEST(VOKUnicodeStringTest, SearchSubStringGivesCharacterPositions) {
  const VOKUnicodeString text("ดด/mm/yyyy mm");
  const VOKUnicodeString mm("mm");
  EXPECT_EQ(3, text.SearchSubString(mm, 0, 1));
  EXPECT_EQ(11, text.SearchSubString(mm, 4, 1));
  EXPECT_EQ(-1, text.SearchSubString(mm, 12, 1));
  EXPECT_EQ(3, text.SearchSubString(mm, -5, 1));
  EXPECT_EQ(3, text.SearchSubString(mm, 10, 0));
  EXPECT_EQ(11, text.SearchSubString(mm, 99, 0));
  EXPECT_EQ(-1, text.SearchSubString(mm, 2, 0));
  EXPECT_EQ(-1, text.SearchSubString(mm, -1, 0));
}

TEST(VOKUnicodeCharTest, DigitsOfAnyScript) {
  EXPECT_EQ(1, VOKUnicodeChar(U'๓').IsDigit());  // Thai three
  EXPECT_EQ(1, VOKUnicodeChar(U'٤').IsDigit());  // Arabic-Indic four
  EXPECT_EQ(0, VOKUnicodeChar(U'/').IsDigit());
  EXPECT_EQ(0, VOKUnicodeChar(0x110000).IsDigit());
}

TEST(VOKUnicodeStringTest, ConvertToNumReadsAsScanfWould) {
  struct Row {
    const char *text, *format;
    int expected;
  };
  const Row rows[] = {
      {"2020x", "%d", 2020},         {" \t12", "%d", 12},          {"-2147483648", "%d", INT_MIN},
      {"2147483647", "%d", INT_MAX}, {"Year   12", "Year %d", 12}, {"50%12", "50%%%d", 12},
      {"2025", "%2d", 20},           {"0x1A", "%i", 26},           {"0xg", "%x", 0}};
  for (const Row& row : rows) {
    int value = -99;
    EXPECT_NE(0, VOKUnicodeString(row.text).ConvertToNum(&value, row.format))
        << row.text << " " << row.format;
    EXPECT_EQ(row.expected, value) << row.text << " " << row.format;
  }
}

TEST(VOKUnicodeStringTest, ConvertToNumFailsOnBadTextAndLeavesValue) {
  const char* rows[][2] = {{"x12", "%d"},         {"", "%d"},
                           {"+ 5", "%d"},         {"2147483648", "%d"},
                           {"-2147483649", "%d"}, {"Jahr 12", "Year %d"},
                           {"٣", "%d"},           {"12", "%s"},
                           {"12 13", "%d %d"},    {"12", "%ld"},
                           {"12", "%*d"},         {"12", "%"},
                           {"12", "%1234d"}};
  for (const auto& row : rows) {
    int value = -99;
    EXPECT_EQ(0, VOKUnicodeString(row[0]).ConvertToNum(&value, row[1])) << row[0] << " " << row[1];
    EXPECT_EQ(-99, value) << row[0] << " " << row[1];
  }
  EXPECT_EQ(0, VOKUnicodeString("12").ConvertToNum(nullptr, "%d"));
  int value = -99;
  EXPECT_EQ(0, VOKUnicodeString("12").ConvertToNum(&value, nullptr));
}

// Every combination of flags, width and precision against the C library's
// own snprintf.
TEST(VOKUnicodeStringTest, BuildFromNumMatchesSnprintfForEveryIntegerConversion) {
  for (const char* flags : {"", "-", "+", " ", "#", "0", "-0", "+0", " 0", "#0", "-#"}) {
    for (const char* width : {"", "1", "6"}) {
      for (const char* precision : {"", ".", ".0", ".4"}) {
        for (const char conversion : std::string("diuoxX")) {
          const bool alternate = std::string(flags).find('#') != std::string::npos;
          if (alternate && std::string("diu").find(conversion) != std::string::npos) continue;
          const std::string format =
              std::string("<%") + flags + width + precision + conversion + ">";
          for (const int value : {0, 7, -7, 255, INT_MIN, INT_MAX}) {
            char expected[64];
            if (std::string("di").find(conversion) != std::string::npos) {
              std::snprintf(expected, sizeof expected, format.c_str(), value);
            } else {
              std::snprintf(expected, sizeof expected, format.c_str(),
                            static_cast<unsigned>(value));
            }
            VOKUnicodeString text;
            ASSERT_NE(0, text.BuildFromNum(value, format.c_str())) << format;
            EXPECT_EQ(expected, text.ToUtf8()) << format << " " << value;
          }
        }
      }
    }
  }
}

TEST(VOKUnicodeStringTest, BuildFromNumKeepsTheTextOnFormatsItRefuses) {
  VOKUnicodeString text;
  EXPECT_NE(0, text.BuildFromNum(7, "Year %d%%"));
  EXPECT_EQ("Year 7%", text.ToUtf8());
  EXPECT_NE(0, text.BuildFromNum(-1, "%u"));
  EXPECT_EQ("4294967295", text.ToUtf8());
  for (const char* format :
       {"%s", "%d %d", "%#d", "%ld", "%n", "plain", "%", "%*d", "%5000d", "%.5000d"}) {
    VOKUnicodeString old("old");
    EXPECT_EQ(0, old.BuildFromNum(12, format)) << format;
    EXPECT_EQ("old", old.ToUtf8()) << format;
  }
  EXPECT_EQ(0, text.BuildFromNum(12, nullptr));
}

}  // namespace
