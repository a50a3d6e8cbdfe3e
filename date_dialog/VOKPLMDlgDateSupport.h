// File: VOKPLMDlgDateSupport.h
// Helpers shared by the source files of the date-picker dialog: the result
// codes of its format operations, the year bounds of the current setting,
// the Buddhist-era test and the arithmetic of the month grid. Not exported.
#pragma once

#include <cstdint>

class VOKString;
class VOKUnicodeString;

namespace vok_dlgdate {

// Success and E_FAIL of the format and example-year operations. E_FAIL is
// the 32-bit code 0x80004005 widened with its sign, so that callers can test
// for failure by sign whatever the width of long.
inline constexpr long kOk = 0;
inline constexpr long kFail = static_cast<std::int32_t>(0x80004005u);

inline constexpr int kBuddhistEraOffset = 543;

// The grid: six weeks of seven cells, and one more row of two.
inline constexpr int kCellCount = 37;
inline constexpr int kWeekDays = 7;
inline constexpr int kMonths = 12;

// The lowest and highest year the current setting accepts.
int LowestYear();
int HighestYear();
bool IsYearInBounds(int year);

// Whether a Thai host shows Buddhist-era years: the reference year it
// gives for today differs from today's Gregorian year. The numeric form
// compares the two as numbers (a reference text that is no number counts
// as 0), the text form compares their decimal texts. Both answer false
// outside a Thai setting.
bool ShowsBuddhistEra();
bool ShowsBuddhistEraText();

// 28 to 31. Every fourth year is a leap year: within the year bounds this
// agrees with the full Gregorian rule.
int DaysInMonth(int month, int gregorianYear);
// [0, 6]: the cell of day 1, which is its weekday with Sunday first.
int FirstCellOfMonth(int month, int gregorianYear);

// number written with "%d", for 1 to kCellCount, as a day title and as a
// button name; made once, since every grid refresh writes them all and
// every dialog names its buttons with them.
const VOKUnicodeString& CellNumberText(int number);
const VOKString& CellNumberName(int number);

}  // namespace vok_dlgdate
