// File: ThaiReferenceDate.cpp
// Moving date texts between the Gregorian and the Buddhist-era calendar of
// the Thai setting. Texts keep their Gregorian form; what the host displays
// carries the Buddhist-era year (Gregorian + 543) when the setting shows it.
#include <optional>
#include <string>
#include <string_view>

#include "base_runtime/HostLocale.h"
#include "base_runtime/Utf8Text.h"
#include "base_runtime/VOKHostSettings.h"
#include "services/DateDigits.h"
#include "services/DateTextReader.h"
#include "services/VOKImmDate.h"

namespace {

constexpr int kBuddhistEraOffset = 543;
// A four-digit year from here on is taken for a Buddhist-era one: 2443 BE
// is 1900, and no Gregorian year of the host's range comes near it.
constexpr int kFirstBuddhistEraYear = 2443;
constexpr std::size_t kYearDigits = 4;

// A run of digits in a text: its bytes, its digit count and its value.
struct YearDigits {
  std::size_t at = 0;
  std::size_t end = 0;
  std::size_t count = 0;
  int value = 0;
};

// The digits from at on, Thai ones included: this runs in the Thai setting.
YearDigits DigitsAt(std::string_view text, std::size_t at) {
  YearDigits run{at, at, 0, 0};
  while (run.end < text.size()) {
    std::size_t next = run.end;
    const int digit = vok::services::DateDigitValue(vok::utf8::DecodeNext(text, next), true);
    if (digit < 0) break;
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

// The four-digit year of text: where the layout has it when the text reads
// as a date of the layout, else the first run of exactly four digits;
// nullopt when the text holds none (a two-digit year among them).
std::optional<YearDigits> LocateYear(std::string_view text, const vok::DateLayoutShape& layout) {
  vok::services::DateFields fields;
  vok::services::TextSpan digits;
  if (!vok::services::ReadDateFields(text, layout, true, fields, &digits))
    return FirstRunOfFourDigits(text);
  const YearDigits year = DigitsAt(text.substr(0, digits.end), digits.at);
  if (year.count != kYearDigits) return std::nullopt;
  return year;
}

// year is in [0, 9999]: a four-digit year of either calendar, moved into
// the other one only from where it fits.
VOKUnicodeString WithYear(std::string_view text, const YearDigits& digits, int year) {
  std::string rewritten(text.substr(0, digits.at));
  const std::string written = std::to_string(year);
  rewritten.append(kYearDigits - written.size(), '0')
      .append(written)
      .append(text.substr(digits.end));
  return VOKUnicodeString(std::string_view(rewritten));
}

}  // namespace

void VOKImmDate::GetThaiReferenceDate(VOKUnicodeString& text, VOKTime, VOKUnicodeString& shown,
                                      VOKUnicodeString& year) {
  const vok::HostLocale& locale = vok::CurrentLocale();
  const auto shownYear = [&locale](int gregorian) {
    return locale.thai && locale.buddhistEra ? gregorian + kBuddhistEraOffset : gregorian;
  };
  const std::string_view original = text.ToUtf8();
  const std::optional<YearDigits> at =
      original.empty() ? std::nullopt : LocateYear(original, locale.dateLayout.shape);
  VOKUnicodeString gregorianText = text;
  VOKUnicodeString shownText = text;
  if (at) {
    const int gregorian =
        at->value >= kFirstBuddhistEraYear ? at->value - kBuddhistEraOffset : at->value;
    gregorianText = WithYear(original, *at, gregorian);
    shownText = WithYear(original, *at, shownYear(gregorian));
  }
  year = VOKUnicodeString(std::to_string(shownYear(VOKTime::GetCurrentLocalTime().GetYear(0))));
  text = gregorianText;
  shown = shownText;
}
