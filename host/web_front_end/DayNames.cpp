// File: DayNames.cpp
#include "web_front_end/DayNames.h"

#include <unicode/datefmt.h>
#include <unicode/timezone.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace vok::web {

namespace {

// Midnight UTC of the day, written in UTC: no zone moves it to another
// day. The ISO form when ICU has no format.
std::string written(std::unique_ptr<icu::DateFormat> format, const vok::calendar::Date& date) {
  if (format == nullptr) {
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", date.year, date.month, date.day);
    return iso;
  }
  const std::chrono::sys_days day(vok::calendar::Civil(date));
  format->adoptTimeZone(icu::TimeZone::createTimeZone("Etc/UTC"));
  icu::UnicodeString text;
  format->format(static_cast<UDate>(day.time_since_epoch().count()) * 86400000.0, text);
  std::string out;
  return text.toUTF8String(out);
}

}  // namespace

std::string FullDate(const vok::calendar::Date& date, const std::string& localeName) {
  return written(std::unique_ptr<icu::DateFormat>(icu::DateFormat::createDateInstance(
                     icu::DateFormat::kFull, icu::Locale(localeName.c_str()))),
                 date);
}

std::string MonthAndYear(const vok::calendar::Date& date, const std::string& localeName) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::DateFormat> format(
      icu::DateFormat::createInstanceForSkeleton("yMMMM", icu::Locale(localeName.c_str()), status));
  return written(U_SUCCESS(status) ? std::move(format) : nullptr, date);
}

}  // namespace vok::web
