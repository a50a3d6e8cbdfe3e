// File: VOKCalendarDays.h
// The dates behind the buttons of a calendar: a window holding a combo of
// the twelve months, a spinner of years and a grid frame (GridLayout) of
// push buttons titled with day numbers. A day
// button stands for the year the spinner shows (in the host's era: a
// Buddhist-era year in a Thai setting that shows it), the month of the combo's
// selected line and the day of its title. Both front ends mark today's
// button; the web page also names each day by its full date.
#pragma once

#include <chrono>
#include <optional>

#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "front_end/FrontEndExport.h"

namespace vok::calendar {

// A Gregorian date.
struct Date {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31

  friend bool operator==(const Date&, const Date&) = default;
};

// What makes a window a calendar: the first combo below it holds the
// twelve months, one of them chosen, and the first spinner its year.
struct CalendarParts {
  VOKDlgCombo* months = nullptr;
  VOKDlgSpinner* years = nullptr;
};

// The calendar parts of the window at or above widget; nullopt when that
// window is no calendar. The one rule by which the front ends know one.
VOK_FRONTEND_API std::optional<CalendarParts> CalendarOf(const VOKDialog& widget);

// The date of a calendar's day button; nullopt for any other widget.
VOK_FRONTEND_API std::optional<Date> DayOf(const VOKDialog& widget);
// Whether the widget is the day button of the host clock's today.
VOK_FRONTEND_API bool IsToday(const VOKDialog& widget);
// The date in <chrono>'s civil calendar.
VOK_FRONTEND_API std::chrono::year_month_day Civil(const Date& date);
// 1 for Sunday to 7 for Saturday.
VOK_FRONTEND_API int Weekday(const Date& date);

}  // namespace vok::calendar
