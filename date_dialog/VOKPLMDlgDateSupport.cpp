#include "date_dialog/VOKPLMDlgDateSupport.h"

#include <array>

#include "base_runtime/HostLocale.h"
#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKString.h"
#include "base_runtime/VOKTime.h"
#include "base_runtime/VOKUnicodeString.h"

namespace vok_dlgdate {

const vok::CalendarSystem& Calendar() { return VOKHostSettings::Current().calendar; }

bool IsYearInBounds(int year) { return Calendar().AcceptsShownYear(year); }

const VOKUnicodeString& CellNumberText(int number) {
  static const std::array<VOKUnicodeString, kCellCount> texts = [] {
    std::array<VOKUnicodeString, kCellCount> made;
    for (int n = 1; n <= kCellCount; ++n) made[n - 1].BuildFromNum(n, "%d");
    return made;
  }();
  return texts[number - 1];
}

const VOKString& CellNumberName(int number) {
  static const std::array<VOKString, kCellCount> names = [] {
    std::array<VOKString, kCellCount> made;
    for (int n = 1; n <= kCellCount; ++n) made[n - 1] = CellNumberText(n).ConvertToChar();
    return made;
  }();
  return names[number - 1];
}

int FirstCellOfMonth(int month, int gregorianYear) {
  const int weekday = VOKTime(gregorianYear, month, 1, 0, 0, 0, 0).GetDayOfWeek(0);
  // A weekday outside 1 to 7 would put days outside the grid.
  return weekday >= 1 && weekday <= kWeekDays ? weekday - 1 : 0;
}

}  // namespace vok_dlgdate
