// File: CalendarNames.cpp
#include "base_runtime/CalendarNames.h"

#include <unicode/dtfmtsym.h>
#include <unicode/locid.h>

namespace vok {
namespace {

using Width = icu::DateFormatSymbols::DtWidthType;

template <std::size_t N>
bool CopyNames(const icu::UnicodeString* names, int32_t count, int32_t first,
               std::array<std::string, N>& out) {
  if (!names || count < first + static_cast<int32_t>(N)) return false;
  for (std::size_t i = 0; i < N; ++i) {
    out[i].clear();
    names[first + static_cast<int32_t>(i)].toUTF8String(out[i]);
  }
  return true;
}

bool ReadNames(const icu::DateFormatSymbols& symbols, CalendarNames& names) {
  const auto context = icu::DateFormatSymbols::FORMAT;
  int32_t count = 0;
  const icu::UnicodeString* months = symbols.getMonths(count, context, Width::WIDE);
  if (!CopyNames(months, count, 0, names.months)) return false;
  months = symbols.getMonths(count, context, Width::ABBREVIATED);
  if (!CopyNames(months, count, 0, names.abbreviatedMonths)) return false;
  // ICU's weekday arrays start with an unused entry; 1 is Sunday.
  const icu::UnicodeString* days = symbols.getWeekdays(count, context, Width::WIDE);
  if (!CopyNames(days, count, 1, names.weekdays)) return false;
  days = symbols.getWeekdays(count, context, Width::ABBREVIATED);
  return CopyNames(days, count, 1, names.abbreviatedWeekdays);
}

bool LoadNames(const std::string& localeName, CalendarNames& names) {
  UErrorCode status = U_ZERO_ERROR;
  // The Gregorian symbols, whatever calendar the locale prefers: the
  // months of the Buddhist calendar are the same, and years are handled
  // elsewhere.
  const icu::Locale locale((localeName + "@calendar=gregorian").c_str());
  icu::DateFormatSymbols symbols(locale, status);
  return U_SUCCESS(status) && ReadNames(symbols, names);
}

}  // namespace

CalendarNames LoadCalendarNames(const std::string& localeName) {
  CalendarNames names;
  if (LoadNames(localeName, names) || localeName == "en_US") return names;
  return LoadCalendarNames("en_US");
}

}  // namespace vok
