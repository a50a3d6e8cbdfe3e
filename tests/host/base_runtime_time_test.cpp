// File: base_runtime_time_test.cpp
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "BaseRuntimeFixture.h"
#include "base_runtime/VOKTime.h"

namespace {

using TimeTest = BaseRuntimeFixture;

VOKTime Day(int year, int month, int day) { return VOKTime(year, month, day, 0, 0, 0, 0); }

std::string Format(const VOKTime& time, const char* format) { return time.ConvertToString(VOKUnicodeString(format), 0).ToUtf8(); }

TEST_F(TimeTest, WeekdaysRunFromSundayOneToSaturdaySeven) {
  struct Row {
    int year, month, day, weekday;
  };
  const Row rows[] = {
      {2025, 6, 1, 1},  {2025, 3, 1, 7}, {2015, 2, 1, 1},   {1970, 1, 1, 5},
      {2038, 12, 31, 6}, {2000, 2, 29, 3}, {2024, 2, 29, 5}, {1969, 12, 31, 4},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.weekday, Day(row.year, row.month, row.day).GetDayOfWeek(0))
        << row.year << "-" << row.month << "-" << row.day;
  }
}

TEST_F(TimeTest, LeapYearsFollowTheGregorianRules) {
  struct Row {
    int year;
    bool leap;
  };
  const Row rows[] = {{2024, true}, {2000, true}, {2400, true}, {1972, true}, {2036, true},
                      {2025, false}, {1900, false}, {2100, false}, {1970, false}, {2038, false}};
  for (const Row& row : rows) {
    EXPECT_EQ(row.leap, Day(row.year, 2, 29).Gettime_t() != VOKTime::Invalid) << row.year;
    EXPECT_NE(VOKTime::Invalid, Day(row.year, 2, 28).Gettime_t()) << row.year;
  }
  VOKTime time = Day(2024, 2, 28);
  time += VOKTimeSpan(1, 0, 0, 0);
  EXPECT_EQ(29, time.GetDay(0));
  time += VOKTimeSpan(1, 0, 0, 0);
  EXPECT_EQ(3, time.GetMonth(0));
  EXPECT_EQ(1, time.GetDay(0));
}

TEST_F(TimeTest, TheEndsOfTheYearRange) {
  EXPECT_EQ(0, VOKTime(1970, 1, 1, 0, 0, 0, 0).Gettime_t());
  EXPECT_EQ(2177452799, VOKTime(2038, 12, 31, 23, 59, 59, 0).Gettime_t());
  // One second past the 32-bit range.
  EXPECT_EQ(2147483648, VOKTime(2038, 1, 19, 3, 14, 8, 0).Gettime_t());

  const VOKTime last(2177452799);
  EXPECT_EQ(2038, last.GetYear(0));
  EXPECT_EQ(12, last.GetMonth(0));
  EXPECT_EQ(31, last.GetDay(0));
  EXPECT_EQ(23, last.GetHour(0));
  EXPECT_EQ(59, last.GetMinute(0));
  EXPECT_EQ(59, last.GetSecond(0));

  const VOKTime epoch;
  EXPECT_EQ(1970, epoch.GetYear(0));
  EXPECT_EQ(1, epoch.GetMonth(0));
  EXPECT_EQ(1, epoch.GetDay(0));

  const VOKTime beforeEpoch(-1);
  EXPECT_EQ(1969, beforeEpoch.GetYear(0));
  EXPECT_EQ(31, beforeEpoch.GetDay(0));
  EXPECT_EQ(59, beforeEpoch.GetSecond(0));
}

TEST_F(TimeTest, ImpossibleFieldsGiveTheInvalidTime) {
  struct Row {
    int year, month, day, hour, minute, second;
  };
  const Row rows[] = {
      {2025, 13, 1, 0, 0, 0}, {2025, 0, 1, 0, 0, 0},  {2025, 2, 30, 0, 0, 0}, {2025, 4, 31, 0, 0, 0},
      {2025, 1, 0, 0, 0, 0},  {2025, 1, 32, 0, 0, 0}, {2025, 1, 1, 24, 0, 0}, {2025, 1, 1, 0, 60, 0},
      {2025, 1, 1, 0, 0, 60}, {2025, 1, 1, -1, 0, 0}, {0, 1, 1, 0, 0, 0},     {10000, 1, 1, 0, 0, 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(VOKTime::Invalid, VOKTime(row.year, row.month, row.day, row.hour, row.minute, row.second, 0).Gettime_t())
        << row.year << "-" << row.month << "-" << row.day << " " << row.hour << ":" << row.minute << ":" << row.second;
  }
}

TEST_F(TimeTest, FarTimesStayWithinTheCalendar) {
  EXPECT_EQ(9999, VOKTime(INT64_MAX).GetYear(0));
  EXPECT_EQ(1, VOKTime(INT64_MIN).GetYear(0));
  VOKTime time(INT64_MAX - 5);
  time += VOKTimeSpan(2000000000L, 0, 0, 0);
  EXPECT_EQ(INT64_MAX, time.Gettime_t());
}

TEST_F(TimeTest, SpansAddTheirParts) {
  EXPECT_EQ(86400 + 2 * 3600 + 3 * 60 + 4, VOKTimeSpan(1, 2, 3, 4).GetTotalSeconds());
  EXPECT_EQ(-86400, VOKTimeSpan(-1, 0, 0, 0).GetTotalSeconds());
  VOKTime time = Day(2025, 12, 31);
  time += VOKTimeSpan(0, 25, 0, 0);
  EXPECT_EQ("2026-01-01 01:00", Format(time, "%Y-%m-%d %H:%M"));
}

TEST_F(TimeTest, ConvertToStringWritesEveryCode) {
  const VOKTime time(1741183629);  // Wednesday 2025-03-05 14:07:09
  struct Row {
    const char* format;
    const char* expected;
  };
  const Row rows[] = {
      {"%d/%m/%Y", "05/03/2025"}, {"%m/%d/%y", "03/05/25"}, {"[%e]", "[ 5]"},       {"%H:%M:%S", "14:07:09"},
      {"%j", "064"},             {"100%%", "100%"},        {"%Q%", "%Q%"},         {"วว %d", "วว 05"},
      {"%B %b %h", "March Mar Mar"}, {"%A %a", "Wednesday Wed"}, {"", ""},
  };
  for (const Row& row : rows) EXPECT_EQ(row.expected, Format(time, row.format)) << row.format;
  EXPECT_EQ("0005-01-01 05", Format(Day(5, 1, 1), "%Y-%m-%d %y"));
  EXPECT_EQ("2000", Format(Day(2000, 7, 4), "%Y"));
  EXPECT_EQ("00", Format(Day(2000, 7, 4), "%y"));
}

TEST_F(TimeTest, MonthNamesFollowTheHostLanguage) {
  const char* english[] = {"January", "February", "March",     "April",   "May",      "June",
                           "July",    "August",   "September", "October", "November", "December"};
  const char* german[] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                          "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(english[month - 1], Format(Day(2000, month, 1), "%B"));
  }
  VOKHostSettings::SetLocale("de_DE");
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(german[month - 1], Format(Day(2000, month, 1), "%B"));
  }
  EXPECT_EQ("Mittwoch, 05. März 2025", Format(Day(2025, 3, 5), "%A, %d. %B %Y"));
  VOKHostSettings::SetLocale("fr_FR");
  EXPECT_EQ("mercredi 05 mars", Format(Day(2025, 3, 5), "%A %d %B"));
  VOKHostSettings::SetLocale("th_TH");
  EXPECT_EQ("มีนาคม 2025", Format(Day(2025, 3, 5), "%B %Y"));
  VOKHostSettings::SetLocale("en_GB");
  EXPECT_EQ("Sun", Format(Day(2025, 6, 1), "%a"));
}

TEST_F(TimeTest, FixedClockGivesTheFixedDay) {
  VOKHostClock::FixToday(2025, 6, 1);
  const VOKTime today = VOKTime::GetCurrentLocalTime();
  EXPECT_EQ("2025-06-01 00:00:00", Format(today, "%Y-%m-%d %H:%M:%S"));
  VOKHostClock::FixNow(VOKTime(2038, 12, 31, 23, 59, 59, 0));
  EXPECT_EQ(2177452799, VOKTime::GetCurrentLocalTime().Gettime_t());
}

TEST_F(TimeTest, SystemClockGivesTheLocalWallDate) {
  VOKHostClock::UseSystemClock();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const VOKTime today = VOKTime::GetCurrentLocalTime();
  // A day change between the two readings is the only allowed difference.
  const VOKTime expected = Day(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
  EXPECT_LE(today.Gettime_t() - expected.Gettime_t(), 2 * 86400);
  EXPECT_GE(today.Gettime_t() - expected.Gettime_t(), 0);
}

// The environment is read on the clock's first use, so these run in a
// fresh process of their own.
class TodayFromEnvironmentTest : public TimeTest {
 protected:
  void SetUp() override {
    TimeTest::SetUp();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
  }
};

TEST_F(TodayFromEnvironmentTest, ValidDayFixesTheClock) {
  EXPECT_EXIT(
      {
        setenv("VOK_TODAY", "2015-02-01", 1);
        const VOKTime today = VOKTime::GetCurrentLocalTime();
        std::cerr << "today " << today.ConvertToString(VOKUnicodeString("%Y-%m-%d"), 0) << "\n";
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "^today 2015-02-01\n$");
}

TEST_F(TodayFromEnvironmentTest, MalformedDayGivesOneMessageAndTheSystemClock) {
  EXPECT_EXIT(
      {
        setenv("VOK_TODAY", "2015-02-30", 1);
        VOKTime::GetCurrentLocalTime();
        const VOKTime today = VOKTime::GetCurrentLocalTime();
        std::cerr << "done\n";
        std::exit(today.GetYear(0) >= 2025 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0),
      "^host clock: VOK_TODAY=\"2015-02-30\" is not a date of the form YYYY-MM-DD; using the system clock\ndone\n$");
}

}  // namespace
