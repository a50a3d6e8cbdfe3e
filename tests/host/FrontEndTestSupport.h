// File: FrontEndTestSupport.h
// A hand-built window for the front-end tests, made with the same calls the
// date-picker makes: a calendar (month combo and year spinner over a
// separator over seven headings and the day buttons).
#pragma once

#include <string>

#include "base_runtime/VOKBaseUnknown.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSeparator.h"
#include "dialog_toolkit/VOKDlgSpinner.h"

namespace frontend_test {

inline constexpr std::uint64_t kCalendarStyle = 0x240e00;  // modeless, OK, Cancel, close
inline constexpr std::uint64_t kFormStyle =
    VOKDlgStyle::OKButton | VOKDlgStyle::CancelButton | VOKDlgStyle::CloseControl;

// A calendar showing a 30-day month whose first day falls on weekday
// `firstCell` (0 Sunday); `marked` is the insensitive day.
inline VOKDlgDialog* BuildCalendar(VOKDialog* parent, int firstCell, int marked) {
  auto* calendar = new VOKDlgDialog(parent, "Calendar0", kCalendarStyle);
  calendar->SetTitle("Choose a date");
  auto* yearMonth = new VOKDlgFrame(calendar, "YearMonthFrame", 0x80000);
  auto* separator = new VOKDlgSeparator(calendar, "DaySepartor", 0);
  auto* days = new VOKDlgFrame(calendar, "DayFrame", 0x80001);
  calendar->SetVerticalAttachment(1, 1, yearMonth, separator, days, nullptr);
  calendar->SetVerticalAttachment(2, 4, yearMonth, separator, days, nullptr);
  calendar->SetHorizontalAttachment(1, 5, yearMonth, nullptr);
  calendar->SetHorizontalAttachment(2, 1, separator, nullptr);
  calendar->SetHorizontalAttachment(3, 5, days, nullptr);
  auto* spinner = new VOKDlgSpinner(yearMonth, "YearSpinner", 0xc0000);
  spinner->SetVisibleTextWidth(4);
  spinner->SetCurrentText("2025", 0);
  auto* combo = new VOKDlgCombo(yearMonth, "MonthCombo", 0x40000);
  for (const char* month : {"January", "February", "March", "April", "May", "June", "July",
                            "August", "September", "October", "November", "December"}) {
    combo->SetLine(month, -1, 64);
  }
  combo->SetSelect(5, 1);
  yearMonth->SetHorizontalAttachment(1, 1, combo, spinner, nullptr);
  yearMonth->SetVerticalAttachment(1, 5, combo, nullptr);
  yearMonth->SetVerticalAttachment(2, 5, spinner, nullptr);
  const char* headings[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  for (int i = 1; i <= 7; ++i) {
    auto* label = new VOKDlgLabel(days, ("day" + std::to_string(i)).c_str(), 0x80000);
    label->SetTitle(headings[i - 1]);
    label->SetGridConstraints(1, i, 1, 1, 30);
  }
  for (int cell = 0; cell < 37; ++cell) {
    auto* button = new VOKDlgPushButton(days, std::to_string(cell + 1).c_str(), 0x80000);
    button->SetGridConstraints(cell / 7 + 2, cell % 7 + 1, 1, 1, 30);
    const int day = cell - firstCell + 1;
    if (day < 1 || day > 30) {
      button->SetVisibility(VOKDlgVisibility::Hidden);
      continue;
    }
    button->SetTitle(std::to_string(day).c_str());
    if (day == marked) button->SetSensitivity(VOKDlgSensitivity::Greyed);
  }
  return calendar;
}

template <class Widget>
Widget* Find(const VOKDialog& root, const char* name) {
  return dynamic_cast<Widget*>(root.FindDescendant(name));
}

}  // namespace frontend_test
