// File: NumberFormatConversion.cpp
#include "base_runtime/NumberFormatConversion.h"

namespace vok::number_format {
namespace {

constexpr int kMaxField = 64;

bool IsFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }

bool IsNumberLetter(char c) {
  switch (c) {
    case 'd':
    case 'i':
    case 'u':
    case 'o':
    case 'x':
    case 'X':
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'A':
      return true;
    default:
      return false;
  }
}

// A decimal field of at most kMaxField; pos moves past its digits.
bool ReadField(std::string_view format, std::size_t& pos, int& value) {
  value = 0;
  for (; pos < format.size() && format[pos] >= '0' && format[pos] <= '9'; ++pos) {
    value = value * 10 + (format[pos] - '0');
    if (value > kMaxField) return false;
  }
  return true;
}

// Reads the conversion whose '%' is at percentAt; false when it is of no
// allowed form.
bool ReadConversion(std::string_view format, std::size_t percentAt, Conversion& conversion) {
  conversion.percentAt = percentAt;
  const std::size_t flagsAt = percentAt + 1;
  std::size_t pos = flagsAt;
  while (pos < format.size() && IsFlag(format[pos])) ++pos;
  conversion.flags = format.substr(flagsAt, pos - flagsAt);
  if (!ReadField(format, pos, conversion.width)) return false;
  if (pos < format.size() && format[pos] == '.') {
    conversion.hasPrecision = true;
    if (!ReadField(format, ++pos, conversion.precision)) return false;
  }
  if (pos >= format.size() || !IsNumberLetter(format[pos])) return false;
  conversion.letterAt = pos;
  conversion.letter = format[pos];
  return true;
}

}  // namespace

bool IsInteger(char c) {
  return c == 'd' || c == 'i' || c == 'u' || c == 'o' || c == 'x' || c == 'X';
}

std::optional<Conversion> SingleConversion(std::string_view format) {
  // Filled in place and returned as the one object it is.
  std::optional<Conversion> found;
  for (std::size_t pos = 0; pos < format.size(); ++pos) {
    if (format[pos] != '%') continue;
    if (pos + 1 < format.size() && format[pos + 1] == '%') {
      ++pos;
      continue;
    }
    if (found || !ReadConversion(format, pos, found.emplace())) {
      found.reset();
      return found;
    }
    pos = found->letterAt;
  }
  return found;
}

}  // namespace vok::number_format
