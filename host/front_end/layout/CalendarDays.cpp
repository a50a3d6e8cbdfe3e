// File: CalendarDays.cpp
#include "front_end/layout/CalendarDays.h"

#include <string>

#include "base_runtime/HostLocale.h"
#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKTime.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "dialog_toolkit/VOKDlgStyle.h"
#include "dialog_toolkit/VOKDlgWindow.h"

namespace vok::calendar {
namespace {

// The month combo and year spinner anywhere below a widget.
struct Pickers {
  const VOKDlgCombo* months = nullptr;
  const VOKDlgSpinner* years = nullptr;
};

void findPickers(const VOKDialog& widget, Pickers& found) {
  for (const VOKDialog* child : widget.GetChildren()) {
    if (auto* combo = dynamic_cast<const VOKDlgCombo*>(child); combo && !found.months)
      found.months = combo;
    if (auto* spinner = dynamic_cast<const VOKDlgSpinner*>(child); spinner && !found.years)
      found.years = spinner;
    findPickers(*child, found);
  }
}

const VOKDialog* windowOf(const VOKDialog& widget) {
  const VOKDialog* at = &widget;
  while (at->GetParent() != nullptr && dynamic_cast<const VOKDlgWindow*>(at) == nullptr)
    at = at->GetParent();
  return at;
}

std::optional<int> number(const VOKUnicodeString& text) {
  int value = 0;
  if (!text.ConvertToNum(&value, "%d")) return std::nullopt;
  return value;
}

}  // namespace

std::optional<Date> DayOf(const VOKDialog& widget) {
  const VOKDialog* grid = widget.GetParent();
  if (dynamic_cast<const VOKDlgPushButton*>(&widget) == nullptr || grid == nullptr ||
      (grid->GetStyle() & VOKDlgStyle::GridLayout) == 0) {
    return std::nullopt;
  }
  Pickers pickers;
  findPickers(*windowOf(*grid), pickers);
  if (pickers.months == nullptr || pickers.years == nullptr ||
      pickers.months->GetLineCount() != 12 || pickers.months->GetSelect() < 0) {
    return std::nullopt;
  }
  const auto day = number(widget.GetTitle());
  auto year = number(pickers.years->GetCurrentText());
  if (!day || !year) return std::nullopt;
  // The spinner shows the year in the host's era.
  *year = VOKHostSettings::Current().calendar.GregorianYear(*year);
  const Date date{*year, pickers.months->GetSelect() + 1, *day};
  if (!Civil(date).ok()) return std::nullopt;
  return date;
}

bool IsToday(const VOKDialog& widget) {
  const std::optional<Date> date = DayOf(widget);
  if (!date) return false;
  const VOKTime today = VOKTime::GetCurrentLocalTime();
  return *date == Date{today.GetYear(), today.GetMonth(), today.GetDay()};
}

std::chrono::year_month_day Civil(const Date& date) {
  return {std::chrono::year(date.year), std::chrono::month(static_cast<unsigned>(date.month)),
          std::chrono::day(static_cast<unsigned>(date.day))};
}

int Weekday(const Date& date) {
  return static_cast<int>(std::chrono::weekday(std::chrono::sys_days(Civil(date))).c_encoding()) +
         1;
}

}  // namespace vok::calendar
