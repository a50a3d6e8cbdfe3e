// What a date-picker dialog shows, read from its widgets, and the rules
// every shown date obeys: month 1-12, a year within the setting's bounds,
// the month's days in consecutive shown cells from the weekday of the 1st,
// every other cell hidden, and exactly one greyed-out shown button marking
// the day. Shared by the random-session tests and the fuzzers.
#pragma once

#include <string>

class VOKPLMDlgDate;

struct CalendarReading {
  int year = 0;        // as the spinner shows it
  int month = 0;       // 1 to 12
  int day = 0;         // title of the marked button
  std::string broken;  // empty when every rule holds; else the first broken one
};

CalendarReading ReadCalendar(const VOKPLMDlgDate& dialog);

// Days in a month of a Gregorian year, by <chrono>'s calendar.
int DaysInMonth(int gregorianYear, int month);
