// File: CalendarDays.cpp
#include <string>

#include "base_runtime/HostLocale.h"
#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKTime.h"
#include "dialog_toolkit/VOKDlgStyle.h"
#include "front_end/kinds/WidgetKind.h"
#include "front_end/layout/VOKCalendarDays.h"

namespace vok::calendar {
namespace {

// The first combo and spinner in the order of the widget tree; the walk
// ends once it has both (a calendar's come before its day buttons).
void findParts(const VOKDialog& widget, CalendarParts& found) {
  for (VOKDialog* child : widget.GetChildren()) {
    if (found.months && found.years) return;
    if (auto* combo = dynamic_cast<VOKDlgCombo*>(child); combo && !found.months)
      found.months = combo;
    if (auto* spinner = dynamic_cast<VOKDlgSpinner*>(child); spinner && !found.years)
      found.years = spinner;
    findParts(*child, found);
  }
}

const VOKDialog* windowOf(const VOKDialog& widget) {
  const VOKDialog* at = &widget;
  while (at->GetParent() != nullptr && !kinds::KindOf(*at).IsWindow()) at = at->GetParent();
  return at;
}

std::optional<int> number(const VOKUnicodeString& text) {
  int value = 0;
  if (!text.ConvertToNum(&value, "%d")) return std::nullopt;
  return value;
}

}  // namespace

std::optional<CalendarParts> CalendarOf(const VOKDialog& widget) {
  CalendarParts parts;
  findParts(*windowOf(widget), parts);
  if (parts.months == nullptr || parts.years == nullptr || parts.months->GetLineCount() != 12 ||
      parts.months->GetSelect() < 0) {
    return std::nullopt;
  }
  return parts;
}

std::optional<Date> DayOf(const VOKDialog& widget) {
  const VOKDialog* grid = widget.GetParent();
  if (!kinds::KindOf(widget).IsButton() || grid == nullptr ||
      (grid->GetStyle() & VOKDlgStyle::GridLayout) == 0) {
    return std::nullopt;
  }
  const std::optional<CalendarParts> calendar = CalendarOf(*grid);
  if (!calendar) return std::nullopt;
  const auto day = number(widget.GetTitle());
  auto year = number(calendar->years->GetCurrentText());
  if (!day || !year) return std::nullopt;
  // The spinner shows the year in the host's era.
  *year = VOKHostSettings::Current().calendar.GregorianYear(*year);
  const Date date{*year, calendar->months->GetSelect() + 1, *day};
  if (!Civil(date).ok()) return std::nullopt;
  return date;
}

bool IsToday(const VOKDialog& widget) {
  const VOKTime today = VOKTime::GetCurrentLocalTime();
  // A day button's number tells most of them apart before their calendar
  // is looked for.
  if (number(widget.GetTitle()) != today.GetDay()) return false;
  const std::optional<Date> date = DayOf(widget);
  return date && *date == Date{today.GetYear(), today.GetMonth(), today.GetDay()};
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
