// File: VOKTime.h
// A point in time as 64-bit seconds since 1970-01-01 00:00:00, read as the
// host's local wall clock: the zone selector every call takes is 0, meaning
// "as stored", with no time-zone shift. Calendar arithmetic is proleptic
// Gregorian, done with <chrono>'s civil calendar types.
#pragma once

#include <cstdint>

#include "base_runtime/HostExport.h"
#include "base_runtime/VOKUnicodeString.h"

/// A length of time in seconds, to add to a VOKTime.
class VOK_HOST_API VOKTimeSpan {
 public:
  /// days, hours, minutes and seconds together; any may be negative.
  VOKTimeSpan(long days, int hours, int minutes, int seconds);
  /// The length in seconds.
  std::int64_t GetTotalSeconds() const { return _seconds; }

 private:
  std::int64_t _seconds;
};

/// A point in time: seconds since 1970-01-01 00:00:00 as the host's wall clock
/// reads them (see the notes above). Years 1 to 9999 can be held; dates before
/// 1970 are negative counts.
class VOK_HOST_API VOKTime {
 public:
  /// Value -1 marks "no valid time" (an impossible date given to the
  /// constructor, a text that is no date).
  static constexpr std::int64_t Invalid = -1;

  VOKTime() = default;  ///< the epoch
  /// The point seconds after the epoch; VOKTime(0) is 1970-01-01.
  explicit VOKTime(std::int64_t seconds) : _seconds(seconds) {}
  /// Fields out of range (month 13, 30 February, hour 24, year outside
  /// 1 to 9999) give the invalid time -1.
  VOKTime(int year, int month, int day, int hour, int minute, int second, int zone);

  /// The year, e.g. 2024 (Gregorian always).
  int GetYear(int zone = 0) const;
  int GetMonth(int zone = 0) const;      ///< 1 to 12
  int GetDay(int zone = 0) const;        ///< 1 to 31
  int GetDayOfWeek(int zone = 0) const;  ///< 1 Sunday to 7 Saturday
  /// 0 to 23.
  int GetHour(int zone = 0) const;
  /// 0 to 59.
  int GetMinute(int zone = 0) const;
  /// 0 to 59.
  int GetSecond(int zone = 0) const;

  /// The count of seconds; Invalid for no valid time.
  std::int64_t Gettime_t() const { return _seconds; }
  /// Sets the count of seconds.
  void Settime_t(std::int64_t seconds) { _seconds = seconds; }

  /// Today as the host clock gives it; see VOKHostClock for fixing it.
  static VOKTime GetCurrentLocalTime();

  /// strftime-style codes: %d %e %m %Y %y %B %b %h %A %a %H %M %S %j %%.
  /// Month and weekday names come from the host language (ICU locale data).
  /// An unknown code is copied as it stands.
  VOKUnicodeString ConvertToString(const VOKUnicodeString& format, int zone) const;

  /// Moves the time by span.
  VOKTime& operator+=(const VOKTimeSpan& span);

  /// Same count of seconds.
  friend bool operator==(const VOKTime& a, const VOKTime& b) { return a._seconds == b._seconds; }
  /// Different counts of seconds.
  friend bool operator!=(const VOKTime& a, const VOKTime& b) { return a._seconds != b._seconds; }

 private:
  std::int64_t _seconds = 0;
};

/// The clock behind GetCurrentLocalTime. The environment variable VOK_TODAY
/// (YYYY-MM-DD) fixes it for reproducible runs; tests fix it with FixToday.
class VOK_HOST_API VOKHostClock {
 public:
  /// Today becomes that day at 00:00:00 until UseSystemClock.
  static void FixToday(int year, int month, int day);
  /// Now becomes that time until UseSystemClock.
  static void FixNow(const VOKTime& now);
  static void UseSystemClock();  ///< also forgets VOK_TODAY
};
