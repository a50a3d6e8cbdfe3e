// File: NumberFormatScan.cpp
// A hand-written sscanf for one int: the format is checked completely first,
// then matched against the text up to its conversion; what follows the
// conversion cannot change the outcome, as with sscanf's count.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "base_runtime/NumberFormat.h"
#include "base_runtime/NumberFormatConversion.h"

namespace vok {
namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

void SkipBlanks(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
}

// Matches the literal part of the format before the conversion.
bool MatchLiterals(std::string_view literals, std::string_view text, std::size_t& pos) {
  for (std::size_t f = 0; f < literals.size(); ++f) {
    if (IsBlank(literals[f])) {
      SkipBlanks(text, pos);
      continue;
    }
    if (literals[f] == '%') {
      SkipBlanks(text, pos);  // "%%" skips blanks like a conversion
      ++f;
    }
    if (pos >= text.size() || text[pos] != literals[f]) return false;
    ++pos;
  }
  return true;
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Reads an integer of the given conversion from at most budget characters.
class NumberReader {
 public:
  NumberReader(std::string_view text, std::size_t pos, int width)
      : _text(text),
        _pos(pos),
        _end(width == 0 ? text.size() : std::min(text.size(), pos + width)) {}

  std::optional<int> Read(char conversion) {
    const bool negative = ReadSign();
    const int base = ReadBase(conversion);
    std::int64_t magnitude = 0;
    bool anyDigit = _sawZeroPrefix;
    for (; _pos < _end && DigitValue(_text[_pos]) < base; ++_pos, anyDigit = true) {
      magnitude = magnitude * base + DigitValue(_text[_pos]);
      if (magnitude > static_cast<std::int64_t>(INT_MAX) + 1) return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (!anyDigit || value > INT_MAX || value < INT_MIN) return std::nullopt;
    return static_cast<int>(value);
  }

 private:
  bool ReadSign() {
    if (_pos >= _end || (_text[_pos] != '+' && _text[_pos] != '-')) return false;
    return _text[_pos++] == '-';
  }

  // A "0x" prefix is taken only when a hex digit follows it; "0" alone is
  // then a digit of its own.
  bool AtHexPrefix() const {
    return _pos + 2 < _end && _text[_pos] == '0' &&
           (_text[_pos + 1] == 'x' || _text[_pos + 1] == 'X') && DigitValue(_text[_pos + 2]) < 16;
  }

  int ReadBase(char conversion) {
    const bool hex = conversion == 'x' || conversion == 'X';
    if ((hex || conversion == 'i') && AtHexPrefix()) {
      _pos += 2;
      _sawZeroPrefix = true;
      return 16;
    }
    if (hex) return 16;
    if (conversion == 'o') return 8;
    if (conversion == 'i' && _pos < _end && _text[_pos] == '0') return 8;
    return 10;
  }

  std::string_view _text;
  std::size_t _pos;
  std::size_t _end;
  bool _sawZeroPrefix = false;
};

}  // namespace

std::optional<int> ScanInteger(std::string_view text, std::string_view format) {
  const std::optional<number_format::Conversion> conversion =
      number_format::SingleConversion(format);
  // scanf knows no flags and no precision.
  if (!conversion || !conversion->flags.empty() || conversion->hasPrecision ||
      !number_format::IsInteger(conversion->letter)) {
    return std::nullopt;
  }
  std::size_t pos = 0;
  if (!MatchLiterals(format.substr(0, conversion->percentAt), text, pos)) return std::nullopt;
  SkipBlanks(text, pos);
  return NumberReader(text, pos, conversion->width).Read(conversion->letter);
}

}  // namespace vok
