// File: IntegerFormatPrint.cpp
#include <charconv>
#include <cstdio>
#include <iterator>
#include <string_view>

#include "base_runtime/IntegerFormat.h"

namespace vok {
namespace format_detail {

bool IsIntegerConversion(char c) { return std::string_view("diuxXo").find(c) != std::string_view::npos; }

bool ReadSmallNumber(std::string_view format, std::size_t& pos, int& number) {
  number = 0;
  for (int digits = 0; pos < format.size() && format[pos] >= '0' && format[pos] <= '9'; ++digits, ++pos) {
    if (digits == 3) return false;
    number = number * 10 + (format[pos] - '0');
  }
  return true;
}

}  // namespace format_detail

namespace {

using format_detail::IsIntegerConversion;
using format_detail::ReadSmallNumber;

// Checks the conversion that starts after a '%' at pos; pos moves past it.
bool ReadPrintConversion(std::string_view format, std::size_t& pos, char& conversion) {
  bool alternateForm = false;
  for (; pos < format.size() && std::string_view("-+ #0").find(format[pos]) != std::string_view::npos; ++pos) {
    alternateForm = alternateForm || format[pos] == '#';
  }
  int number = 0;
  if (!ReadSmallNumber(format, pos, number)) return false;
  if (pos < format.size() && format[pos] == '.') {
    ++pos;
    if (!ReadSmallNumber(format, pos, number)) return false;
  }
  if (pos >= format.size() || !IsIntegerConversion(format[pos])) return false;
  conversion = format[pos++];
  // The alternate form is defined for o, x and X only.
  return !alternateForm || std::string_view("oxX").find(conversion) != std::string_view::npos;
}

// The single integer conversion of a valid format, or '\0'.
char CheckPrintFormat(std::string_view format) {
  char conversion = '\0';
  int conversions = 0;
  for (std::size_t pos = 0; pos < format.size();) {
    if (format[pos++] != '%') continue;
    if (pos < format.size() && format[pos] == '%') {
      ++pos;
      continue;
    }
    if (!ReadPrintConversion(format, pos, conversion)) return '\0';
    ++conversions;
  }
  return conversions == 1 ? conversion : '\0';
}

}  // namespace

std::optional<std::string> FormatInteger(int value, const char* format) {
  if (!format) return std::nullopt;
  // The common plain "%d" (day numbers, years) skips printf.
  if (std::string_view(format) == "%d") {
    char digits[16];
    const std::to_chars_result written = std::to_chars(std::begin(digits), std::end(digits), value);
    return std::string(std::begin(digits), written.ptr);
  }
  const char conversion = CheckPrintFormat(format);
  if (conversion == '\0') return std::nullopt;
  const bool isSigned = conversion == 'd' || conversion == 'i';
  const unsigned bits = static_cast<unsigned>(value);
  // The format was checked above to hold exactly one int conversion.
  auto print = [&](char* buffer, std::size_t size) {
    return isSigned ? std::snprintf(buffer, size, format, value) : std::snprintf(buffer, size, format, bits);
  };
  const int length = print(nullptr, 0);
  if (length < 0) return std::nullopt;
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  print(text.data(), text.size());
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace vok
