// File: CalendarDays.h
// Internal to the front end. The dates behind the buttons of a calendar:
// a window holding a combo of the twelve months, a spinner of years and a
// grid frame (GridLayout) of push buttons titled with day numbers. A day
// button stands for the year the spinner shows (in the host's era: a
// Buddhist-era year in a Thai setting that shows it), the month of the combo's
// selected line and the day of its title. Both front ends mark today's
// button; the web page also names each day by its full date.
#pragma once

#include <chrono>
#include <optional>

#include "base_runtime/HostExport.h"
#include "dialog_toolkit/VOKDialog.h"

namespace vok::calendar {

// A Gregorian date.
struct Date {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31

  friend bool operator==(const Date&, const Date&) = default;
};

// The date of a calendar's day button; nullopt for any other widget.
VOK_HOST_API std::optional<Date> DayOf(const VOKDialog& widget);
// Whether the widget is the day button of the host clock's today.
VOK_HOST_API bool IsToday(const VOKDialog& widget);
// The date in <chrono>'s civil calendar.
VOK_HOST_API std::chrono::year_month_day Civil(const Date& date);
// 1 for Sunday to 7 for Saturday.
VOK_HOST_API int Weekday(const Date& date);

}  // namespace vok::calendar
