#include "checks/calendar_invariants.h"

#include <charconv>
#include <chrono>
#include <string>

#include "base_runtime/VOKHostSettings.h"
#include "date_dialog/VOKPLMDlgDate.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "dialog_toolkit/VOKDlgStyle.h"
#include "services/VOKImmDate.h"

namespace {

// Digits only: no sign, no blanks.
bool ReadNumber(const std::string& text, int& number) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  return !text.empty() && text[0] != '-' && error == std::errc{} && stop == end;
}

// Cell of the 1st: 0 under Sunday to 6 under Saturday.
int FirstCell(int gregorianYear, int month) {
  const std::chrono::year_month_day first{std::chrono::year{gregorianYear},
                                          std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{1}};
  return static_cast<int>(std::chrono::weekday{std::chrono::sys_days{first}}.c_encoding());
}

// Fills reading; returns the first broken rule, or "".
std::string Read(const VOKPLMDlgDate& dialog, CalendarReading& reading) {
  const auto* spinner = dynamic_cast<const VOKDlgSpinner*>(dialog.FindDescendant("YearSpinner"));
  if (spinner == nullptr) return "no year spinner";
  const std::string text = spinner->GetCurrentText().ToUtf8();
  if (!ReadNumber(text, reading.year)) return "spinner shows \"" + text + "\", no year";
  const bool thai = VOKImmDate::IsThisThai() != 0;
  const int lowest = thai ? VOKPLMDlgDate::minYear_Thai : VOKPLMDlgDate::minYear;
  const int highest = thai ? VOKPLMDlgDate::maxYear_Thai : VOKPLMDlgDate::maxYear;
  if (reading.year < lowest || reading.year > highest) {
    return "year " + text + " outside " + std::to_string(lowest) + "-" + std::to_string(highest);
  }
  const int gregorianYear = reading.year - (thai && VOKHostSettings::ShowsBuddhistEra() ? 543 : 0);

  const auto* combo = dynamic_cast<const VOKDlgCombo*>(dialog.FindDescendant("MonthCombo"));
  if (combo == nullptr) return "no month combo";
  reading.month = combo->GetSelect() + 1;
  if (reading.month < 1 || reading.month > 12) {
    return "combo line " + std::to_string(combo->GetSelect()) + " selected";
  }

  const VOKDialog* dayFrame = dialog.FindDescendant("DayFrame");
  if (dayFrame == nullptr) return "no day frame";
  const int first = FirstCell(gregorianYear, reading.month);
  const int days = DaysInMonth(gregorianYear, reading.month);
  std::string broken;
  int marked = 0;
  for (int cell = 0; cell < 37; ++cell) {
    const std::string name = std::to_string(cell + 1);
    const auto* button = dynamic_cast<const VOKDlgPushButton*>(dayFrame->GetChild(name.c_str()));
    if (button == nullptr) return broken.empty() ? "no day button " + name : broken;
    const int day = cell - first + 1;
    const bool inMonth = day >= 1 && day <= days;
    const bool shown = button->GetVisibility() == VOKDlgVisibility::Shown;
    const std::string title = button->GetTitle().ToUtf8();
    const std::string where = "cell " + std::to_string(cell) + " ";
    if (broken.empty() && shown != inMonth) {
      broken = where + (shown ? "shown" : "hidden") + " for day " + std::to_string(day);
    }
    if (broken.empty() && inMonth && title != std::to_string(day)) {
      broken = where + "titled \"" + title + "\", not " + std::to_string(day);
    }
    if (button->GetSensitivity() != VOKDlgSensitivity::Greyed) continue;
    ++marked;
    if (broken.empty() && !shown) broken = where + "hidden yet marked";
    reading.day = day;
  }
  if (broken.empty() && marked != 1) broken = std::to_string(marked) + " buttons marked";
  return broken;
}

}  // namespace

int DaysInMonth(int gregorianYear, int month) {
  const std::chrono::year_month_day_last last{
      std::chrono::year{gregorianYear},
      std::chrono::month_day_last{std::chrono::month{static_cast<unsigned>(month)}}};
  return static_cast<int>(static_cast<unsigned>(last.day()));
}

CalendarReading ReadCalendar(const VOKPLMDlgDate& dialog) {
  CalendarReading reading;
  reading.broken = Read(dialog, reading);
  return reading;
}
