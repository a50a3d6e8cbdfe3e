// File: VOKPLMDlgDateSupport.h
// Helpers shared by the source files of the date-picker dialog: the result
// codes of its format operations, the calendar of the current setting and
// the arithmetic of the month grid. Not exported.
#pragma once

#include <cstdint>

#include "base_runtime/CalendarSystem.h"

class VOKString;
class VOKUnicodeString;

namespace vok_dlgdate {

// Success and E_FAIL of the format and example-year operations. E_FAIL is
// the 32-bit code 0x80004005 widened with its sign, so that callers can test
// for failure by sign whatever the width of long.
inline constexpr long kOk = 0;
inline constexpr long kFail = static_cast<std::int32_t>(0x80004005u);

// The grid: six weeks of seven cells, and one more row of two.
inline constexpr int kCellCount = 37;
inline constexpr int kWeekDays = 7;
inline constexpr int kMonths = 12;

// The calendar of the host's current locale: its era, whether years are
// shown in it, and the years it accepts as shown.
const vok::CalendarSystem& Calendar();
bool IsYearInBounds(int year);

// [0, 6]: the cell of day 1, which is its weekday with Sunday first.
int FirstCellOfMonth(int month, int gregorianYear);

// number written with "%d", for 1 to kCellCount, as a day title and as a
// button name; made once, since every grid refresh writes them all and
// every dialog names its buttons with them.
const VOKUnicodeString& CellNumberText(int number);
const VOKString& CellNumberName(int number);

}  // namespace vok_dlgdate
