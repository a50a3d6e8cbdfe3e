// File: DateText.h
// Date texts as code points. The date services compare layouts and typed
// text character by character, so they work on UTF-32 copies and convert
// back to UTF-8 only for results.
#pragma once

#include <string>
#include <string_view>

namespace vok::services {

// Ill-formed UTF-8 becomes U+FFFD, never an error.
std::u32string ToCodePoints(std::string_view utf8);
std::string ToUtf8(std::u32string_view text);

// The text without the decoration characters "[", "~", "]" and blanks that
// the host's layouts and placeholders may carry.
std::u32string StripDecoration(std::u32string_view text);

// Only the ASCII digits 0 to 9 count in date fields.
constexpr bool IsAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// The value of a run of ASCII digits, short enough for an int.
int DigitsValue(std::u32string_view digits);

}  // namespace vok::services
