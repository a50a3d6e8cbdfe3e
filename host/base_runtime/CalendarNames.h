// File: CalendarNames.h
// Month and weekday names of a locale, from ICU's locale data (system
// locales play no part).
#pragma once

#include <array>
#include <string>

namespace vok {

struct CalendarNames {
  std::array<std::string, 12> months;  // January first
  std::array<std::string, 12> abbreviatedMonths;
  std::array<std::string, 7> weekdays;  // Sunday first
  std::array<std::string, 7> abbreviatedWeekdays;
};

// The names of an ICU locale id such as "de_DE"; English names when ICU
// cannot give a locale's.
CalendarNames LoadCalendarNames(const std::string& localeName);

}  // namespace vok
