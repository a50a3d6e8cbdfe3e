// File: DateTextReader.h
// Reads the day, month and year that a text writes in a date layout.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "base_runtime/DateLayoutShape.h"

namespace vok::services {

struct DateFields {
  int year = 0;
  int month = 0;
  int day = 0;
  // Where the year's digits stand in the text, in bytes.
  std::size_t yearAt = 0;
  std::size_t yearEnd = 0;
};

// Day and month placeholders take 1 up to as many digits as they have
// characters; a year placeholder of 3 or more characters takes exactly 4
// digits, a shorter one exactly 2 (70 to 99 are 19xx, 00 to 69 are 20xx).
// Digits are ASCII ones, and with thaiDigits Thai ones too (DateDigits.h).
// Every other character of the layout must be matched exactly, and the text
// must end where the layout does. nullopt when the layout is not readable
// or the text does not fit it; the fields are not checked against the
// calendar. The text is well-formed UTF-8, as VOKUnicodeString holds it.
std::optional<DateFields> ReadDateFields(std::string_view text, const DateLayoutShape& layout, bool thaiDigits);

}  // namespace vok::services
