// File: EraText.h
// A date text in the two calendars of a locale (CalendarSystem): its Gregorian form, which
// dates are read from, and the form the locale shows, with the year of its
// era when it shows one.
#pragma once

#include <string>
#include <string_view>

#include "base_runtime/CalendarSystem.h"
#include "base_runtime/DateLayoutShape.h"

namespace vok::services {

struct EraForms {
  std::string gregorian;
  std::string shown;
};

// The year of text is its four digits where layout has them
// when the text reads as a date of the layout, else its first run of
// exactly four digits; a text without one (a two-digit year among them)
// is both forms unchanged. A year from 1900 of the era on is an era year.
// The year is written back in the digits it was typed with, ASCII or Thai.
EraForms RewriteYear(std::string_view text, const DateLayoutShape& layout,
                     const CalendarSystem& calendar);

}  // namespace vok::services
