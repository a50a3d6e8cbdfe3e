// The date state of the date-picker dialog: year, month and the marked day
// cell, the drawing of the month into the day buttons and the handlers of
// day clicks and month choices.
#include <algorithm>
#include <cstdint>

#include "date_dialog/VOKPLMDlgDate.h"
#include "date_dialog/VOKPLMDlgDateSupport.h"
#include "module/ModuleTrace.h"

using vok_dlgdate::kCellCount;
using vok_dlgdate::kMonths;

namespace {

constexpr int kLastFirstRowCell = 6;
constexpr int kFirstLateCell = 28;  // cells 7 to 27 always hold days
// What GetDay answers when no day button can be read.
constexpr short kNoDay = 1;

void Trace(const char* operation) { VOK_TRACE(vok_module::DlgDateTrace(), operation); }

}  // namespace

int VOKPLMDlgDate::GregorianYear(int shownYear) const {
  return vok_dlgdate::Calendar().GregorianYear(shownYear);
}

int VOKPLMDlgDate::ShownYear(int gregorianYear) const {
  return vok_dlgdate::Calendar().ShownYear(gregorianYear);
}

VOKTime VOKPLMDlgDate::GetDate() {
  Trace("VOKPLMDlgDate::GetDate");
  return VOKTime(GregorianYear(_year), _month, GetDay(), 0, 0, 0, 0);
}

void VOKPLMDlgDate::SetDate(VOKTime& date) {
  Trace("VOKPLMDlgDate::SetDate");
  SetYear(static_cast<short>(ShownYear(date.GetYear(0))), 0);
  SetMonth(static_cast<short>(date.GetMonth(0)), 1, 1);
  SetDay(static_cast<short>(date.GetDay(0)));
}

// A dialog without day buttons, or whose marked button holds no number,
// answers day 1 so that GetDate still gives a real date.
short VOKPLMDlgDate::GetDay() {
  Trace("VOKPLMDlgDate::GetDay");
  const VOKDlgPushButton* button = DayButton(_selectedCell);
  int day = kNoDay;
  if (button) button->GetTitle().ConvertToNum(&day, "%d");
  return static_cast<short>(day);
}

void VOKPLMDlgDate::SetDay(short day) {
  Trace("VOKPLMDlgDate::SetDay");
  if (day < 1 || day > 31 || !_dayButtons) return;
  const int startCell = vok_dlgdate::FirstCellOfMonth(_month, GregorianYear(_year));
  MarkCell(_selectedCell, VOKDlgSensitivity::Usable);
  _selectedCell = std::min<int>(day, _daysInMonth) + startCell - 1;
  MarkCell(_selectedCell, VOKDlgSensitivity::Greyed);
}

short VOKPLMDlgDate::GetMonth() {
  Trace("VOKPLMDlgDate::GetMonth");
  return _month;
}

void VOKPLMDlgDate::SetMonth(short month, short refresh, short select) {
  Trace("VOKPLMDlgDate::SetMonth");
  if (month < 1 || month > kMonths) return;
  _month = month;
  if (select && _monthCombo) _monthCombo->SetSelect(month - 1, 1);
  if (refresh) RefreshCalendar();
}

short VOKPLMDlgDate::GetYear() {
  Trace("VOKPLMDlgDate::GetYear");
  return _year;
}

void VOKPLMDlgDate::SetYear(short year, short refresh) {
  Trace("VOKPLMDlgDate::SetYear");
  if (!vok_dlgdate::IsYearInBounds(year)) return;
  _year = year;
  if (_yearSpinner) {
    VOKUnicodeString text;
    text.BuildFromNum(year, "%d");
    if (_yearSpinner->GetCurrentText() != text) _yearSpinner->SetCurrentText(text, 0);
  }
  if (refresh) RefreshCalendar();
}

// Writes the day numbers and shows exactly the cells of the month; titles
// of hidden cells stay, and no sensitivity is touched.
void VOKPLMDlgDate::RefreshCalendar() {
  Trace("VOKPLMDlgDate::RefreshCalendar");
  const int gregorianYear = GregorianYear(_year);
  if (!_dayButtons) return;
  _daysInMonth = vok::DaysInMonth(gregorianYear, _month);
  const int startCell = vok_dlgdate::FirstCellOfMonth(_month, gregorianYear);
  const int endCell = startCell + _daysInMonth;  // one past the last day
  for (int day = 1; day <= _daysInMonth; ++day) {
    VOKDlgPushButton* button = DayButton(startCell + day - 1);
    if (button) button->SetTitle(vok_dlgdate::CellNumberText(day));
  }
  SetCellVisibility(0, startCell - 1, VOKDlgVisibility::Hidden);
  SetCellVisibility(endCell, kCellCount - 1, VOKDlgVisibility::Hidden);
  SetCellVisibility(startCell, kLastFirstRowCell, VOKDlgVisibility::Shown);
  SetCellVisibility(kFirstLateCell, endCell - 1, VOKDlgVisibility::Shown);
}

void VOKPLMDlgDate::ChangeDay(VOKCommand*, VOKNotification*, void* data) {
  Trace("VOKPLMDlgDate::ChangeDay");
  if (!_dayButtons) return;
  const std::intptr_t number = reinterpret_cast<std::intptr_t>(data);
  if (number < 1 || number > kCellCount) return;
  MarkCell(_selectedCell, VOKDlgSensitivity::Usable);
  _selectedCell = static_cast<int>(number) - 1;
  MarkCell(_selectedCell, VOKDlgSensitivity::Greyed);
}

void VOKPLMDlgDate::ChangeMonth(VOKCommand*, VOKNotification*, void*) {
  Trace("VOKPLMDlgDate::ChangeMonth");
  if (!_monthNames || !_monthCombo) return;
  const short day = GetDay();
  const int line = _monthCombo->GetSelect();
  if (line < 0 || line >= kMonths) return;
  VOK_TRACE(vok_module::DlgDateTrace(), _monthNames[line] << " selected.");
  SetMonth(static_cast<short>(line + 1), 1, 0);
  SetDay(day);
}

VOKDlgPushButton* VOKPLMDlgDate::DayButton(int cell) const {
  if (!_dayButtons || cell < 0 || cell >= kCellCount) return nullptr;
  return _dayButtons[cell];
}

void VOKPLMDlgDate::SetCellVisibility(int firstCell, int lastCell, int visibility) {
  for (int cell = firstCell; cell <= lastCell; ++cell) {
    if (VOKDlgPushButton* button = DayButton(cell)) button->SetVisibility(visibility);
  }
}

void VOKPLMDlgDate::MarkCell(int cell, int sensitivity) {
  if (VOKDlgPushButton* button = DayButton(cell)) button->SetSensitivity(sensitivity);
}
