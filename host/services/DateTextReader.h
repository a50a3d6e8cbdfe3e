// File: DateTextReader.h
// Reads the day, month and year that a text writes in a date layout.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "services/DateLayoutShape.h"

namespace vok::services {

struct DateFields {
  int year = 0;
  int month = 0;
  int day = 0;
};

// Day and month placeholders take 1 up to as many digits as they have
// characters; a year placeholder of 3 or more characters takes exactly 4
// digits, a shorter one exactly 2 (70 to 99 are 19xx, 00 to 69 are 20xx).
// Every other character of the layout must be matched exactly, and the text
// must end where the layout does. nullopt when the layout is not readable
// or the text does not fit it; the fields are not checked against the
// calendar.
std::optional<DateFields> ReadDateFields(std::u32string_view text, const DateLayoutShape& layout);

// The layout as a text looks when every field has its most digits: one byte
// per character, the literal itself, or where a digit goes the field's index
// (0 day, 1 month, 2 year). "" when the layout is not readable or a literal
// is no printable ASCII character.
std::string FullWidthPattern(const DateLayoutShape& layout);

// ReadDateFields' answer for a UTF-8 text that fits the pattern (the text a
// user types nearly always does), read in one pass; nullopt when the text
// does not fit, and ReadDateFields must decide.
std::optional<DateFields> ReadFullWidth(std::string_view text, std::string_view pattern,
                                        const DateLayoutShape& layout);

}  // namespace vok::services
