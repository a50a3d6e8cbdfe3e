// File: CalendarStartDate.h
// What the two date frames share when a calendar opens: the date text of
// the field judged and, when it is a date, shown by the calendar. Not
// exported.
#pragma once

#include "base_runtime/VOKUnicodeString.h"

class VOKQELNavCalendarUI;

namespace vok_module {

// Start texts this long or shorter hold no date: the calendar keeps today.
inline constexpr int kShortestStartDate = 7;

inline bool HoldsStartDate(const VOKUnicodeString& text) {
  return text.GetLengthInChar() >= kShortestStartDate;
}

// Converts text with the calendar's own format and, when it is a valid
// date, sets the calendar to it. Returns the calendar's judgement.
int ApplyStartDate(VOKQELNavCalendarUI& calendar, const VOKUnicodeString& text);

}  // namespace vok_module
