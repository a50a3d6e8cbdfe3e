// File: NumberFormat.cpp
// Checking printf formats and writing numbers with them: integers by hand
// (a date dialog writes day and year numbers all the time), floating
// numbers through snprintf with the checked conversion.
#include "base_runtime/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "base_runtime/NumberFormatConversion.h"

namespace vok {
namespace {

using number_format::Conversion;

bool IsFloating(char c) {
  return c == 'f' || c == 'F' || c == 'e' || c == 'E' || c == 'g' || c == 'G' || c == 'a' ||
         c == 'A';
}
bool IsUnsignedInteger(char c) { return c == 'u' || c == 'o' || c == 'x' || c == 'X'; }
bool HasFlag(std::string_view flags, char flag) {
  for (const char c : flags) {
    if (c == flag) return true;
  }
  return false;
}

// printf defines "#" for o, x, X and the floating conversions only.
bool AlternateFormDefined(char c) { return c == 'o' || c == 'x' || c == 'X' || IsFloating(c); }

bool Allowed(const Conversion& conversion, PrintFormat::Numbers numbers) {
  if (number_format::IsInteger(conversion.letter)) return true;
  return numbers == PrintFormat::Numbers::IntegersAndFloating && IsFloating(conversion.letter);
}

// Literal text of a checked format as printf writes it: "%%" gives "%".
void AppendLiteral(std::string_view text, std::string& out) {
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    out += text[pos];
    if (text[pos] == '%') ++pos;
  }
}

long long Rounded(double value) {
  constexpr double kLimit = 1e18;  // well inside long long
  if (std::isnan(value)) return 0;
  return std::llround(std::fmax(-kLimit, std::fmin(kLimit, value)));
}

int BaseOf(char conversion) {
  if (conversion == 'o') return 8;
  return conversion == 'x' || conversion == 'X' ? 16 : 10;
}

}  // namespace

std::optional<PrintFormat> PrintFormat::Check(std::string_view format, Numbers numbers) {
  // Filled in place: the answer is asked for at every number written.
  std::optional<PrintFormat> checked;
  const std::optional<Conversion> conversion = number_format::SingleConversion(format);
  if (!conversion || !Allowed(*conversion, numbers)) return checked;
  if (HasFlag(conversion->flags, '#') && !AlternateFormDefined(conversion->letter)) return checked;
  PrintFormat& made = checked.emplace();
  made._before = format.substr(0, conversion->percentAt);
  made._after = format.substr(conversion->letterAt + 1);
  made._conversion =
      format.substr(conversion->percentAt, conversion->letterAt + 1 - conversion->percentAt);
  made._left = HasFlag(conversion->flags, '-');
  made._plus = HasFlag(conversion->flags, '+');
  made._blank = HasFlag(conversion->flags, ' ');
  made._alternate = HasFlag(conversion->flags, '#');
  made._zeros = HasFlag(conversion->flags, '0');
  made._width = conversion->width;
  made._precision = conversion->hasPrecision ? conversion->precision : -1;
  made._letter = conversion->letter;
  return checked;
}

std::string PrintFormat::Write(int value) const {
  if (IsFloating(_letter)) return WriteFloating(value);
  if (IsUnsignedInteger(_letter)) return WriteInteger(false, static_cast<unsigned>(value));
  const auto magnitude =
      static_cast<unsigned long long>(value < 0 ? -static_cast<long long>(value) : value);
  return WriteInteger(value < 0, magnitude);
}

std::string PrintFormat::Write(double value) const {
  if (IsFloating(_letter)) return WriteFloating(value);
  const long long whole = Rounded(value);
  // The unsigned conversions write the two's complement of a negative value, as printf does.
  if (IsUnsignedInteger(_letter))
    return WriteInteger(false, static_cast<unsigned long long>(whole));
  const unsigned long long magnitude = whole < 0 ? 0ULL - static_cast<unsigned long long>(whole)
                                                 : static_cast<unsigned long long>(whole);
  return WriteInteger(whole < 0, magnitude);
}

std::string PrintFormat::WriteInteger(bool negative, unsigned long long magnitude) const {
  std::string out;
  AppendLiteral(_before, out);
  AppendInteger(negative, magnitude, out);
  AppendLiteral(_after, out);
  return out;
}

std::string PrintFormat::WriteFloating(double value) const {
  const std::string conversion(_conversion);
  const int length = std::snprintf(nullptr, 0, conversion.c_str(), value);
  if (length < 0) return {};
  std::string number(static_cast<std::size_t>(length), '\0');
  std::snprintf(number.data(), number.size() + 1, conversion.c_str(), value);
  std::string out;
  AppendLiteral(_before, out);
  out.append(number);
  AppendLiteral(_after, out);
  return out;
}

// printf's integer conversions: the digits padded with zeros to the
// precision (none for 0 at precision 0), the sign or "0x" prefix, then the
// width filled with blanks, or with zeros after the prefix for "0" without
// a precision.
void PrintFormat::AppendInteger(bool negative, unsigned long long magnitude,
                                std::string& out) const {
  char digits[32];
  const std::to_chars_result end =
      std::to_chars(digits, digits + sizeof digits, magnitude, BaseOf(_letter));
  std::string_view body(digits, static_cast<std::size_t>(end.ptr - digits));
  if (_letter == 'X') {
    for (char* c = digits; c != end.ptr; ++c)
      *c = static_cast<char>(*c >= 'a' && *c <= 'f' ? *c - 'a' + 'A' : *c);
  }
  if (_precision == 0 && magnitude == 0) body = {};
  std::size_t zeros = _precision > 0 && body.size() < static_cast<std::size_t>(_precision)
                          ? static_cast<std::size_t>(_precision) - body.size()
                          : 0;
  // "#" with o makes the first digit a 0.
  if (_alternate && _letter == 'o' && zeros == 0 && (body.empty() || body.front() != '0'))
    zeros = 1;
  std::string_view prefix;
  if (negative) {
    prefix = "-";
  } else if (_alternate && (_letter == 'x' || _letter == 'X') && magnitude != 0) {
    prefix = _letter == 'x' ? "0x" : "0X";
  } else if (!IsUnsignedInteger(_letter) && _plus) {
    prefix = "+";
  } else if (!IsUnsignedInteger(_letter) && _blank) {
    prefix = " ";
  }
  const std::size_t length = prefix.size() + zeros + body.size();
  const std::size_t fill =
      static_cast<std::size_t>(_width) > length ? static_cast<std::size_t>(_width) - length : 0;
  const bool zeroFill = !_left && _zeros && _precision < 0;
  // Width and precision are at most 64 each: the text is written in one piece.
  char text[2 * 64 + 32];
  char* at = text;
  const auto put = [&at](char c, std::size_t count) { at = std::fill_n(at, count, c); };
  if (!_left && !zeroFill) put(' ', fill);
  at = std::copy(prefix.begin(), prefix.end(), at);
  put('0', (zeroFill ? fill : 0) + zeros);
  at = std::copy(body.begin(), body.end(), at);
  if (_left) put(' ', fill);
  out.append(text, static_cast<std::size_t>(at - text));
}

}  // namespace vok
