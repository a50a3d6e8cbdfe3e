#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "base_runtime/VOKTime.h"
#include "host/BaseRuntimeFixture.h"

namespace {

using TimeTest = BaseRuntimeFixture;

VOKTime Day(int year, int month, int day) { return VOKTime(year, month, day, 0, 0, 0, 0); }

std::string Format(const VOKTime& time, const char* format) {
  return time.ConvertToString(VOKUnicodeString(format), 0).ToUtf8();
}

TEST_F(TimeTest, LeapYearsFollowTheGregorianRules) {
  for (int year : {2024, 2000, 2400})
    EXPECT_NE(VOKTime::Invalid, Day(year, 2, 29).Gettime_t()) << year;
  for (int year : {2025, 1900, 2100})
    EXPECT_EQ(VOKTime::Invalid, Day(year, 2, 29).Gettime_t()) << year;
  VOKTime time = Day(2024, 2, 28);
  time += VOKTimeSpan(1, 0, 0, 0);
  EXPECT_EQ(29, time.GetDay(0));
  time += VOKTimeSpan(0, 25, 0, 0);
  EXPECT_EQ("2024-03-01 01:00", Format(time, "%Y-%m-%d %H:%M"));
  EXPECT_EQ(-(86400 + 2 * 3600 + 3 * 60 + 4), VOKTimeSpan(-1, -2, -3, -4).GetTotalSeconds());
}

TEST_F(TimeTest, TheEndsOfTheYearRange) {
  EXPECT_EQ(0, VOKTime(1970, 1, 1, 0, 0, 0, 0).Gettime_t());
  // One second past the 32-bit range.
  EXPECT_EQ(2147483648, VOKTime(2038, 1, 19, 3, 14, 8, 0).Gettime_t());
  EXPECT_EQ("2038-12-31 23:59:59", Format(VOKTime(2177452799), "%Y-%m-%d %H:%M:%S"));
  EXPECT_EQ("1969-12-31 23:59:59", Format(VOKTime(-1), "%Y-%m-%d %H:%M:%S"));
  EXPECT_EQ(9999, VOKTime(INT64_MAX).GetYear(0));
  EXPECT_EQ(1, VOKTime(INT64_MIN).GetYear(0));
  VOKTime time(INT64_MAX - 5);
  time += VOKTimeSpan(2000000000L, 0, 0, 0);
  EXPECT_EQ(INT64_MAX, time.Gettime_t());
}

TEST_F(TimeTest, ImpossibleFieldsGiveTheInvalidTime) {
  struct Row {
    int year, month, day, hour, minute, second;
  };
  const Row rows[] = {
      {2025, 13, 1, 0, 0, 0}, {2025, 0, 1, 0, 0, 0},  {2025, 4, 31, 0, 0, 0},
      {2025, 1, 0, 0, 0, 0},  {2025, 1, 1, 24, 0, 0}, {2025, 1, 1, 0, 60, 0},
      {2025, 1, 1, 0, 0, 60}, {2025, 1, 1, -1, 0, 0}, {0, 1, 1, 0, 0, 0},
      {10000, 1, 1, 0, 0, 0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(
        VOKTime::Invalid,
        VOKTime(row.year, row.month, row.day, row.hour, row.minute, row.second, 0).Gettime_t())
        << row.year << "-" << row.month << "-" << row.day << " " << row.hour << ":" << row.minute
        << ":" << row.second;
  }
}

TEST_F(TimeTest, ConvertToStringWritesEveryCode) {
  const VOKTime time(1741183629);  // Wednesday 2025-03-05 14:07:09
  EXPECT_EQ("05/03/2025 03/05/25 [ 5] 14:07:09 064 100% วว 05 %Q%",
            Format(time, "%d/%m/%Y %m/%d/%y [%e] %H:%M:%S %j 100%% วว %d %Q%"));
  EXPECT_EQ("March Mar Mar Wednesday Wed", Format(time, "%B %b %h %A %a"));
  EXPECT_EQ("", Format(time, ""));
  EXPECT_EQ("0005-01-01 05", Format(Day(5, 1, 1), "%Y-%m-%d %y"));
  EXPECT_EQ("00", Format(Day(2000, 7, 4), "%y"));
}

TEST_F(TimeTest, MonthNamesFollowTheHostLanguage) {
  EXPECT_EQ("December", Format(Day(2000, 12, 1), "%B"));
  VOKHostSettings::SetLocale("de_DE");
  EXPECT_EQ("Dezember", Format(Day(2000, 12, 1), "%B"));
  EXPECT_EQ("Mittwoch, 05. März 2025", Format(Day(2025, 3, 5), "%A, %d. %B %Y"));
  VOKHostSettings::SetLocale("fr_FR");
  EXPECT_EQ("mercredi 05 mars", Format(Day(2025, 3, 5), "%A %d %B"));
  VOKHostSettings::SetLocale("th_TH");
  EXPECT_EQ("มีนาคม 2025", Format(Day(2025, 3, 5), "%B %Y"));
}

TEST_F(TimeTest, FixedClockGivesTheFixedDay) {
  VOKHostClock::FixToday(2025, 6, 1);
  EXPECT_EQ("2025-06-01 00:00:00", Format(VOKTime::GetCurrentLocalTime(), "%Y-%m-%d %H:%M:%S"));
  VOKHostClock::FixNow(VOKTime(2038, 12, 31, 23, 59, 59, 0));
  EXPECT_EQ(2177452799, VOKTime::GetCurrentLocalTime().Gettime_t());
}

TEST_F(TimeTest, SystemClockGivesTheLocalWallDate) {
  VOKHostClock::UseSystemClock();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  // A day change between the two readings is the only allowed difference.
  const auto difference = VOKTime::GetCurrentLocalTime().Gettime_t() -
                          Day(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).Gettime_t();
  EXPECT_TRUE(difference >= 0 && difference <= 2L * 86400) << difference;
}

// The environment is read on the clock's first use, so these run in a
// fresh process of their own.
TEST_F(TimeTest, TodayFromTheEnvironment) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("VOK_TODAY", "2015-02-01", 1);
        std::cerr << "today "
                  << VOKTime::GetCurrentLocalTime().ConvertToString(VOKUnicodeString("%Y-%m-%d"), 0)
                  << "\n";
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "^today 2015-02-01\n$");
  EXPECT_EXIT(
      {
        setenv("VOK_TODAY", "2015-02-30", 1);
        VOKTime::GetCurrentLocalTime();
        const VOKTime today = VOKTime::GetCurrentLocalTime();
        std::cerr << "done\n";
        std::exit(today.GetYear(0) >= 2025 ? 0 : 1);
      },
      ::testing::ExitedWithCode(0),
      "^host clock: VOK_TODAY=\"2015-02-30\" is not a date of the form YYYY-MM-DD; using the "
      "system clock\ndone\n$");
}

}  // namespace
