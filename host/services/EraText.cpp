// File: EraText.cpp
#include "services/EraText.h"

#include <optional>

#include "base_runtime/Utf8Text.h"
#include "services/DateDigits.h"
#include "services/DateTextReader.h"

namespace vok::services {
namespace {

constexpr std::size_t kYearDigits = 4;
constexpr char32_t kThaiZero = U'\u0E50';

// A run of digits in a text: its bytes, its digit count, its value and
// whether it begins with a Thai digit.
struct YearDigits {
  std::size_t at = 0;
  std::size_t end = 0;
  std::size_t count = 0;
  int value = 0;
  bool thai = false;
};

// The digits from at on, Thai ones included: a year may be typed in either.
YearDigits DigitsAt(std::string_view text, std::size_t at) {
  YearDigits run{at, at, 0, 0, false};
  while (run.end < text.size()) {
    std::size_t next = run.end;
    const char32_t c = vok::utf8::DecodeNext(text, next);
    const int digit = DateDigitValue(c, true);
    if (digit < 0) break;
    if (run.count == 0) run.thai = c >= kThaiZero;
    // Only a run of four digits is a year; longer runs are counted, not
    // summed, so that no run can overflow the value.
    if (run.count < kYearDigits) run.value = run.value * 10 + digit;
    run.end = next;
    ++run.count;
  }
  return run;
}

std::optional<YearDigits> FirstRunOfFourDigits(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const YearDigits run = DigitsAt(text, at);
    if (run.count == kYearDigits) return run;
    at = run.end;
    if (run.count == 0) vok::utf8::DecodeNext(text, at);
  }
  return std::nullopt;
}

std::optional<YearDigits> LocateYear(std::string_view text, const DateLayoutShape& layout) {
  DateFields fields;
  TextSpan digits;
  if (!ReadDateFields(text, layout, true, fields, &digits)) return FirstRunOfFourDigits(text);
  const YearDigits year = DigitsAt(text.substr(0, digits.end), digits.at);
  if (year.count != kYearDigits) return std::nullopt;
  return year;
}

// year is in [0, 9999]: a four-digit year of either calendar, moved into
// the other one only from where it fits.
std::string WithYear(std::string_view text, const YearDigits& digits, int year) {
  std::string rewritten(text.substr(0, digits.at));
  int divisor = 1000;
  for (std::size_t place = 0; place < kYearDigits; ++place, divisor /= 10) {
    const int digit = year / divisor % 10;
    vok::utf8::Append(static_cast<char32_t>((digits.thai ? kThaiZero : U'0') + digit), rewritten);
  }
  return rewritten.append(text.substr(digits.end));
}

}  // namespace

EraForms RewriteYear(std::string_view text, const DateLayoutShape& layout,
                     const CalendarSystem& calendar) {
  const std::optional<YearDigits> at = text.empty() ? std::nullopt : LocateYear(text, layout);
  if (!at) return {std::string(text), std::string(text)};
  const int gregorian = calendar.GregorianOfTypedYear(at->value);
  return {WithYear(text, *at, gregorian), WithYear(text, *at, calendar.ShownYear(gregorian))};
}

}  // namespace vok::services
