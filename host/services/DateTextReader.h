// File: DateTextReader.h
// Reads the day, month and year that a text writes in a date layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "base_runtime/DateLayoutShape.h"

namespace vok::services {

struct DateFields {
  int year = 0;
  int month = 0;
  int day = 0;
};

// Where some characters stand in a text, in bytes.
struct TextSpan {
  std::size_t at = 0;
  std::size_t end = 0;
};

// Reads text into fields; false when the layout is not readable or the
// text does not fit it (fields may then hold anything). Day and month
// placeholders take 1 up to as many digits as they have
// characters; a year placeholder of 3 or more characters takes exactly 4
// digits, a shorter one exactly 2 (70 to 99 are 19xx, 00 to 69 are 20xx).
// Digits are ASCII ones, and with thaiDigits Thai ones too (DateDigits.h).
// Every other character of the layout must be matched exactly, and the text
// must end where the layout does. The fields are not checked against the
// calendar. The text is well-formed UTF-8, as VOKUnicodeString holds it.
// yearDigits, when given, receives where the year's digits stand. The
// answer comes as a flag and out-parameters, not as an optional: it is
// asked for at every date check, and a small optional returned in
// registers costs more here than the reading.
bool ReadDateFields(std::string_view text, const DateLayoutShape& layout, bool thaiDigits,
                    DateFields& fields, TextSpan* yearDigits = nullptr);

// The midnight of the day text writes in layout, as ReadDateFields reads
// it; false, midnight unwritten, when it writes none or no calendar date
// (30 February, month 13, year 0).
bool ReadDate(std::string_view text, const DateLayoutShape& layout, bool thaiDigits,
              std::int64_t& midnight);

}  // namespace vok::services
