// File: DateDigits.h
// The digits a date text may be written with: the ASCII digits 0 to 9, and
// in a Thai setting the Thai digits U+0E50 to U+0E59 as well.
#pragma once

namespace vok::services {

// The value of c as a digit of a date, -1 when it is none.
constexpr int DateDigitValue(char32_t c, bool thaiDigits) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (thaiDigits && c >= U'\u0E50' && c <= U'\u0E59') return static_cast<int>(c - U'\u0E50');
  return -1;
}

}  // namespace vok::services
