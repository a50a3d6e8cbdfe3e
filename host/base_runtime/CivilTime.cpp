// File: CivilTime.cpp
#include "base_runtime/CivilTime.h"

#include <algorithm>
#include <chrono>

#include "base_runtime/CalendarSystem.h"

namespace vok {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month_day;

constexpr std::int64_t kSecondsPerDay = 86400;

// Days since 1970-01-01 of a valid date, year 1 on: the year is counted
// from March, so that the leap day comes last, in eras of 400 years
// (146097 days); unsigned, as no year counted so is below 0.
constexpr std::int64_t DayNumber(unsigned y, unsigned m, unsigned d) {
  y -= m <= 2 ? 1 : 0;
  const unsigned era = y / 400;
  const unsigned yearOfEra = y - era * 400;                                    // [0, 399]
  const unsigned dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;  // [0, 365]
  const unsigned dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;  // [0, 146096]
  return static_cast<std::int64_t>(era) * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}
static_assert(DayNumber(1970, 1, 1) == 0 && DayNumber(2000, 3, 1) == 11017 &&
              DayNumber(1969, 12, 31) == -1);

constexpr std::int64_t kFirstDay = DayNumber(kMinCivilYear, 1, 1);
constexpr std::int64_t kLastDay = DayNumber(kMaxCivilYear, 12, 31);

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

CivilFields ToCivil(std::int64_t seconds) {
  // Floor division, so that times before 1970 fall on the previous day.
  std::int64_t dayNumber = seconds / kSecondsPerDay;
  std::int64_t secondOfDay = seconds % kSecondsPerDay;
  if (secondOfDay < 0) {
    secondOfDay += kSecondsPerDay;
    --dayNumber;
  }
  dayNumber = std::clamp(dayNumber, kFirstDay, kLastDay);
  const sys_days date{days(dayNumber)};
  const year_month_day ymd(date);
  const sys_days newYear{
      std::chrono::year_month_day(ymd.year(), std::chrono::January, std::chrono::day(1))};
  CivilFields fields;
  fields.year = static_cast<int>(ymd.year());
  fields.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
  fields.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
  fields.hour = static_cast<int>(secondOfDay / 3600);
  fields.minute = static_cast<int>(secondOfDay / 60 % 60);
  fields.second = static_cast<int>(secondOfDay % 60);
  fields.weekday = static_cast<int>(std::chrono::weekday(date).c_encoding());
  fields.dayOfYear = static_cast<int>((date - newYear).count()) + 1;
  return fields;
}

bool MidnightOf(int year, int month, int day, std::int64_t& seconds) {
  if (!InRange(year, kMinCivilYear, kMaxCivilYear) || !InRange(month, 1, 12) ||
      !InRange(day, 1, DaysInMonth(year, month))) {
    return false;
  }
  seconds = DayNumber(static_cast<unsigned>(year), static_cast<unsigned>(month),
                      static_cast<unsigned>(day)) *
            kSecondsPerDay;
  return true;
}

bool FromCivil(int year, int month, int day, int hour, int minute, int second,
               std::int64_t& seconds) {
  if (!InRange(hour, 0, 23) || !InRange(minute, 0, 59) || !InRange(second, 0, 59) ||
      !MidnightOf(year, month, day, seconds)) {
    return false;
  }
  seconds += std::int64_t{hour} * 3600 + std::int64_t{minute} * 60 + second;
  return true;
}

}  // namespace vok
