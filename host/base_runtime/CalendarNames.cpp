// File: CalendarNames.cpp
#include "base_runtime/CalendarNames.h"

#include <algorithm>

#include "base_runtime/LocaleResources.h"

namespace vok {
namespace {

// The Gregorian names, whatever calendar the locale prefers: the months of
// the Buddhist calendar are the same, and years are handled elsewhere.
constexpr std::string_view kGregorian = "calendar/gregorian/";

template <std::size_t N>
bool ReadNames(const std::string& localeName, std::string_view path,
               std::array<std::string, N>& out) {
  const std::vector<std::string> names =
      LocaleStrings(localeName, std::string(kGregorian) + std::string(path));
  if (names.size() < N) return false;
  std::copy_n(names.begin(), N, out.begin());
  return true;
}

bool LoadNames(const std::string& localeName, CalendarNames& names) {
  // Weekday arrays start with Sunday.
  return ReadNames(localeName, "monthNames/format/wide", names.months) &&
         ReadNames(localeName, "monthNames/format/abbreviated", names.abbreviatedMonths) &&
         ReadNames(localeName, "dayNames/format/wide", names.weekdays) &&
         ReadNames(localeName, "dayNames/format/abbreviated", names.abbreviatedWeekdays);
}

}  // namespace

CalendarNames LoadCalendarNames(const std::string& localeName) {
  CalendarNames names;
  if (LoadNames(localeName, names) || localeName == "en_US") return names;
  return LoadCalendarNames("en_US");
}

}  // namespace vok
