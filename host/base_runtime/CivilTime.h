// File: CivilTime.h
// Conversion between seconds since 1970 and calendar fields (proleptic
// Gregorian, no time zone), shared by VOKTime and the host clock.
#pragma once

#include <cstdint>

namespace vok {

struct CivilFields {
  int year = 1970;
  int month = 1;      // [1, 12]
  int day = 1;        // [1, 31]
  int hour = 0;       // [0, 23]
  int minute = 0;     // [0, 59]
  int second = 0;     // [0, 59]
  int weekday = 4;    // [0, 6], 0 is Sunday
  int dayOfYear = 1;  // [1, 366]
};

inline constexpr int kMinCivilYear = 1;
inline constexpr int kMaxCivilYear = 9999;

// Times before 0001-01-01 or after 9999-12-31 are read as those days.
CivilFields ToCivil(std::int64_t seconds);

// Writes the seconds of the given fields; false when a field is out of
// range. A flag and an out-parameter rather than an optional: every date
// read comes here, and a small optional returned in registers costs more
// than the arithmetic.
bool FromCivil(int year, int month, int day, int hour, int minute, int second,
               std::int64_t& seconds);

}  // namespace vok
