// File: VOKTime.cpp
// Construction, calendar fields and arithmetic of time values. The zone
// selector is accepted for the host's signatures and has no effect.
#include "base_runtime/VOKTime.h"

#include <limits>

#include "base_runtime/CivilTime.h"

namespace {

// Sums that leave the 64-bit range stop at its ends instead of overflowing.
std::int64_t SaturatedAdd(std::int64_t a, std::int64_t b) {
  std::int64_t sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? std::numeric_limits<std::int64_t>::max()
               : std::numeric_limits<std::int64_t>::min();
}

std::int64_t SaturatedSeconds(std::int64_t count, std::int64_t unit) {
  std::int64_t product = 0;
  if (!__builtin_mul_overflow(count, unit, &product)) return product;
  return count > 0 ? std::numeric_limits<std::int64_t>::max()
                   : std::numeric_limits<std::int64_t>::min();
}

}  // namespace

VOKTimeSpan::VOKTimeSpan(long days, int hours, int minutes, int seconds)
    : _seconds(SaturatedAdd(SaturatedSeconds(days, 86400),
                            static_cast<std::int64_t>(hours) * 3600 +
                                static_cast<std::int64_t>(minutes) * 60 + seconds)) {}

VOKTime::VOKTime(int year, int month, int day, int hour, int minute, int second, int /*zone*/) {
  if (!vok::FromCivil(year, month, day, hour, minute, second, _seconds)) _seconds = Invalid;
}

int VOKTime::GetYear(int /*zone*/) const { return vok::ToCivil(_seconds).year; }
int VOKTime::GetMonth(int /*zone*/) const { return vok::ToCivil(_seconds).month; }
int VOKTime::GetDay(int /*zone*/) const { return vok::ToCivil(_seconds).day; }
int VOKTime::GetDayOfWeek(int /*zone*/) const { return vok::ToCivil(_seconds).weekday + 1; }
int VOKTime::GetHour(int /*zone*/) const { return vok::ToCivil(_seconds).hour; }
int VOKTime::GetMinute(int /*zone*/) const { return vok::ToCivil(_seconds).minute; }
int VOKTime::GetSecond(int /*zone*/) const { return vok::ToCivil(_seconds).second; }

VOKTime& VOKTime::operator+=(const VOKTimeSpan& span) {
  _seconds = SaturatedAdd(_seconds, span.GetTotalSeconds());
  return *this;
}
