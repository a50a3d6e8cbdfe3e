// Date text beyond ASCII: digits of other scripts pass the calendar's shape
// test but are no date for the host, and a layout with non-ASCII
// separators takes ASCII digits between them.
#include "datepicker/calendar_test_support.h"

namespace {

constexpr int kFormat = 0;  // VOKQELNavCalendarUI::INVALID_FORMAT
constexpr int kValue = 1;   // INVALID_VALUE
constexpr int kValid = 2;   // VALID_DATE

class CalendarScriptsTest : public CalendarFixture {};

TEST_F(CalendarScriptsTest, DigitsOfOtherScriptsHaveTheShapeButNoDate) {
  VOKQELNavCalendarUI calendar;
  struct Row {
    const char* text;
    int expected;
  };
  const Row rows[] = {
      {"\u0E51\u0E52/25/2024", kValue},            // Thai digits for the month
      {"12/25/\u0662\u0660\u0662\u0664", kValue},  // Arabic-Indic year
      {"\uFF11\uFF12/25/2024", kValue},            // full-width digits
      {"12\u2215"
       "25/2024",
       kFormat},  // a slash look-alike
      {"12/25/2024", kValid},
  };
  for (const Row& row : rows) {
    VOKTime time(777);
    EXPECT_EQ(row.expected, calendar.validateDate(row.text)) << row.text;
    EXPECT_EQ(row.expected, calendar.ConvertToVOKTime(row.text, time)) << row.text;
    EXPECT_EQ(row.expected == kValid ? VOKTime(2024, 12, 25, 0, 0, 0, 0).Gettime_t() : 777,
              time.Gettime_t())
        << row.text;
  }
}

TEST_F(CalendarScriptsTest, NonAsciiSeparatorsTakeAsciiDigits) {
  UseLayout("yyyy\u5E74mm\u6708dd\u65E5");
  VOKQELNavCalendarUI calendar;
  VOKTime time;
  EXPECT_EQ(kValid, calendar.ConvertToVOKTime("2024\u5E7412\u670825\u65E5", time));
  EXPECT_EQ(VOKTime(2024, 12, 25, 0, 0, 0, 0), time);
  EXPECT_EQ(kValue, calendar.validateDate("2024\u5E7402\u670830\u65E5"));
  EXPECT_EQ(kFormat, calendar.validateDate("2024/12/25"));
  EXPECT_EQ(kFormat, calendar.validateDate("2024\u5E7412\u6708"));
  EXPECT_EQ("%Y\u5E74%m\u6708%d\u65E5", calendar.getDateFormat().ToUtf8());
}

}  // namespace
