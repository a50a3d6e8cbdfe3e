// File: DateDigits.h
// The digits a date text may be written with: the ASCII digits 0 to 9, and
// in a Thai setting the Thai digits U+0E50 to U+0E59 as well.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

#include "base_runtime/Utf8Text.h"

namespace vok::services {

// The value of c as a digit of a date, -1 when it is none.
constexpr int DateDigitValue(char32_t c, bool thaiDigits) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (thaiDigits && c >= U'\u0E50' && c <= U'\u0E59') return static_cast<int>(c - U'\u0E50');
  return -1;
}

// Digits read from a byte position on: how many, the value they make and
// the byte where the text goes on after them.
struct DigitRun {
  std::size_t count = 0;
  int value = 0;
  std::size_t end = 0;
};

// Up to most digits of well-formed UTF-8 text from byte at on. Inline, and
// ASCII digits, the common case, are taken a byte at a time under one
// bound before any other digit is decoded: every date check reads its
// digits here.
inline DigitRun ReadDigitRun(std::string_view text, std::size_t at, std::size_t most, bool thaiDigits) {
  DigitRun run{0, 0, at};
  const std::size_t asciiStop = at + std::min(most, text.size() - at);
  for (unsigned digit = 0; run.end < asciiStop && (digit = static_cast<unsigned char>(text[run.end]) - '0') <= 9;
       ++run.end) {
    run.value = run.value * 10 + static_cast<int>(digit);
  }
  run.count = run.end - at;
  // Only a character beyond ASCII may go on with a digit.
  if (run.end == asciiStop || static_cast<unsigned char>(text[run.end]) < 0x80) return run;
  while (run.count < most && run.end < text.size()) {
    std::size_t next = run.end;
    const int digit = DateDigitValue(vok::utf8::DecodeNext(text, next), thaiDigits);
    if (digit < 0) break;
    run.value = run.value * 10 + digit;
    run.end = next;
    ++run.count;
  }
  return run;
}

}  // namespace vok::services
