// File: DayNames.h
// Internal to the web front end. The words a screen reader says for a
// calendar's days, written by ICU in the host's locale.
#pragma once

#include <string>

#include "front_end/layout/VOKCalendarDays.h"

namespace vok::web {

// The full date: "Sunday, June 15, 2025" in en_US, "Sonntag, 15. Juni
// 2025" in de_DE; the ISO form when ICU cannot write it.
std::string FullDate(const vok::calendar::Date& date, const std::string& localeName);
// The month and year of the date: "June 2025", "Juni 2025".
std::string MonthAndYear(const vok::calendar::Date& date, const std::string& localeName);

}  // namespace vok::web
