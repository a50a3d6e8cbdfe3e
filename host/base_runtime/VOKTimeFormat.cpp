// File: VOKTimeFormat.cpp
// ConvertToString: strftime-style codes, with names in the host language.
#include <string>
#include <string_view>

#include "base_runtime/CivilTime.h"
#include "base_runtime/HostLocale.h"
#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKTime.h"

namespace {

// value written with at least width digits, padded with pad.
std::string Padded(int value, std::size_t width, char pad = '0') {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), pad);
  return digits;
}

// The text of one code, or false for a code this formatter does not know.
bool ExpandCode(char code, const vok::CivilFields& time, const vok::CalendarNames& names,
                std::string& out) {
  switch (code) {
    case 'd':
      out += Padded(time.day, 2);
      return true;
    case 'e':
      out += Padded(time.day, 2, ' ');
      return true;
    case 'm':
      out += Padded(time.month, 2);
      return true;
    case 'Y':
      out += Padded(time.year, 4);
      return true;
    case 'y':
      out += Padded(time.year % 100, 2);
      return true;
    case 'H':
      out += Padded(time.hour, 2);
      return true;
    case 'M':
      out += Padded(time.minute, 2);
      return true;
    case 'S':
      out += Padded(time.second, 2);
      return true;
    case 'j':
      out += Padded(time.dayOfYear, 3);
      return true;
    case 'B':
      out += names.months[time.month - 1];
      return true;
    case 'b':
    case 'h':
      out += names.abbreviatedMonths[time.month - 1];
      return true;
    case 'A':
      out += names.weekdays[time.weekday];
      return true;
    case 'a':
      out += names.abbreviatedWeekdays[time.weekday];
      return true;
    case '%':
      out += '%';
      return true;
    default:
      return false;
  }
}

}  // namespace

VOKUnicodeString VOKTime::ConvertToString(const VOKUnicodeString& format, int /*zone*/) const {
  // Codes are ASCII, so the UTF-8 bytes can be scanned directly: no byte of
  // a multi-byte character equals '%' or a code letter.
  const std::string_view pattern(format.ToUtf8());
  const vok::CivilFields time = vok::ToCivil(_seconds);
  const vok::CalendarNames& names = vok::CurrentLocale().names;
  std::string out;
  for (std::size_t pos = 0; pos < pattern.size(); ++pos) {
    if (pattern[pos] != '%' || pos + 1 == pattern.size()) {
      out += pattern[pos];
      continue;
    }
    if (ExpandCode(pattern[pos + 1], time, names, out)) {
      ++pos;
    } else {
      out += '%';
    }
  }
  return VOKUnicodeString(std::string_view(out));
}
