// Texts answer the same whether they are all ASCII or not: the ASCII
// shortcuts of the string class give what the general path gives.
#include <gtest/gtest.h>

#include <climits>

#include "base_runtime/VOKUnicodeString.h"

namespace {

TEST(VOKUnicodeStringAsciiTest, CharactersAndDigitsAtEveryIndex) {
  const VOKUnicodeString ascii("12/x5");
  const VOKUnicodeString mixed("12/\u00E95");
  for (int i : {0, 1, 2, 4}) EXPECT_EQ(ascii[i], mixed[i]) << i;
  EXPECT_EQ(U'x', ascii[3].GetCode());
  EXPECT_EQ(U'\u00E9', mixed[3].GetCode());
  for (const VOKUnicodeString* text : {&ascii, &mixed}) {
    EXPECT_EQ(0u, (*text)[5].GetCode());
    EXPECT_EQ(0u, (*text)[-1].GetCode());
    EXPECT_EQ(1, (*text)[0].IsDigit());
    EXPECT_EQ(0, (*text)[2].IsDigit());
    EXPECT_EQ(0, (*text)[3].IsDigit());
  }
  EXPECT_EQ(1, VOKUnicodeChar(U'\u0E52').IsDigit());  // Thai two
  EXPECT_EQ(0, VOKUnicodeChar(U'/').IsDigit());
  EXPECT_EQ(0, VOKUnicodeChar(U':').IsDigit());
}

TEST(VOKUnicodeStringAsciiTest, PlainNumbersAndNumbersInText) {
  struct Row {
    int value;
    const char* format;
    const char* expected;
    int characters;
  };
  const Row rows[] = {{INT_MIN, "%d", "-2147483648", 11},
                      {INT_MAX, "%d", "2147483647", 10},
                      {0, "%d", "0", 1},
                      {5, "d\u00EDa %d", "d\u00EDa 5", 5},
                      {31, "%d\xFF", "31\uFFFD", 3}};
  for (const Row& row : rows) {
    VOKUnicodeString text("old");
    EXPECT_NE(0, text.BuildFromNum(row.value, row.format)) << row.expected;
    EXPECT_EQ(row.expected, text.ToUtf8());
    EXPECT_EQ(row.characters, text.GetLengthInChar()) << row.expected;
  }
}

TEST(VOKUnicodeStringAsciiTest, ReplaceAllWithoutAMatchKeepsTheText) {
  VOKUnicodeString text("12/25/2024");
  text.ReplaceAll("[", "").ReplaceAll(" ", "x");
  EXPECT_EQ("12/25/2024", text.ToUtf8());
  VOKUnicodeString accented("d\u00E9j\u00E0");
  accented.ReplaceAll("~", "");
  EXPECT_EQ(4, accented.GetLengthInChar());
  EXPECT_EQ(U'\u00E0', accented[3].GetCode());
}

}  // namespace
