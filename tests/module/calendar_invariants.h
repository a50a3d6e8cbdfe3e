// File: calendar_invariants.h
// What a date-picker dialog shows, read from its widgets the way a person
// reads the screen, and the rules every shown date obeys: a month of 1 to
// 12 in the combo, a year within the setting's bounds in the spinner, the
// month's days (every fourth year a leap year) in consecutive shown cells
// starting under the weekday of the 1st, every other cell hidden, and
// exactly one greyed-out button, a shown one, marking the day.
// Shared by the random-session tests and the year fuzzer.
#pragma once

#include <string>

class VOKPLMDlgDate;

struct CalendarReading {
  int year = 0;   // as the spinner shows it
  int month = 0;  // 1 to 12
  int day = 0;    // title of the marked button
  // Empty when every rule holds; else the first broken one.
  std::string broken;
};

CalendarReading ReadCalendar(const VOKPLMDlgDate& dialog);

// Days in a month of a Gregorian year, every fourth year a leap year.
int DaysInMonth(int gregorianYear, int month);
