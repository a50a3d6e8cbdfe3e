// File: calendar_invariants.cpp
#include "module/calendar_invariants.h"

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

constexpr int kCells = 37;
constexpr int kBuddhistEraOffset = 543;

bool ReadNumber(const std::string& text, int& number) {
  if (text.empty() || text.size() > 6) return false;
  number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + (c - '0');
  }
  return true;
}

// Cell of the 1st: 0 under Sunday to 6 under Saturday.
int FirstCell(int gregorianYear, int month) {
  const std::chrono::year_month_day first{std::chrono::year{gregorianYear},
                                          std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{1}};
  return static_cast<int>(std::chrono::weekday{std::chrono::sys_days{first}}.c_encoding());
}

class Reader {
 public:
  explicit Reader(const VOKPLMDlgDate& dialog) : _dialog(dialog) {}

  CalendarReading Read() {
    if (ReadYear() && ReadMonth()) ReadDays();
    return _reading;
  }

 private:
  bool Break(const std::string& rule) {
    if (_reading.broken.empty()) _reading.broken = rule;
    return false;
  }

  bool ReadYear() {
    const auto* spinner = dynamic_cast<const VOKDlgSpinner*>(_dialog.FindDescendant("YearSpinner"));
    if (spinner == nullptr) return Break("no year spinner");
    const std::string text = spinner->GetCurrentText().ToUtf8();
    if (!ReadNumber(text, _reading.year)) return Break("spinner shows \"" + text + "\", no year");
    const bool thai = VOKImmDate::IsThisThai() != 0;
    const int lowest = thai ? VOKPLMDlgDate::minYear_Thai : VOKPLMDlgDate::minYear;
    const int highest = thai ? VOKPLMDlgDate::maxYear_Thai : VOKPLMDlgDate::maxYear;
    if (_reading.year < lowest || _reading.year > highest) {
      return Break("year " + text + " outside " + std::to_string(lowest) + "-" +
                   std::to_string(highest));
    }
    const bool buddhistEra = thai && VOKHostSettings::ShowsBuddhistEra();
    _gregorianYear = _reading.year - (buddhistEra ? kBuddhistEraOffset : 0);
    return true;
  }

  bool ReadMonth() {
    const auto* combo = dynamic_cast<const VOKDlgCombo*>(_dialog.FindDescendant("MonthCombo"));
    if (combo == nullptr) return Break("no month combo");
    _reading.month = combo->GetSelect() + 1;
    if (_reading.month < 1 || _reading.month > 12) {
      return Break("combo line " + std::to_string(combo->GetSelect()) + " selected");
    }
    return true;
  }

  void ReadDays() {
    const VOKDialog* dayFrame = _dialog.FindDescendant("DayFrame");
    if (dayFrame == nullptr) {
      Break("no day frame");
      return;
    }
    const int first = FirstCell(_gregorianYear, _reading.month);
    const int days = DaysInMonth(_gregorianYear, _reading.month);
    int marked = 0;
    for (int cell = 0; cell < kCells; ++cell) {
      const std::string name = std::to_string(cell + 1);
      const auto* button = dynamic_cast<const VOKDlgPushButton*>(dayFrame->GetChild(name.c_str()));
      if (button == nullptr) {
        Break("no day button " + std::to_string(cell + 1));
        return;
      }
      const int day = cell - first + 1;
      const bool inMonth = day >= 1 && day <= days;
      const bool shown = button->GetVisibility() == VOKDlgVisibility::Shown;
      const std::string title = button->GetTitle().ToUtf8();
      const std::string where = "cell " + std::to_string(cell) + " ";
      if (shown != inMonth) {
        Break(where + (shown ? "shown" : "hidden") + " for day " + std::to_string(day));
      }
      if (inMonth && title != std::to_string(day)) {
        Break(where + "titled \"" + title + "\", not " + std::to_string(day));
      }
      if (button->GetSensitivity() != VOKDlgSensitivity::Greyed) continue;
      ++marked;
      if (!shown) Break(where + "hidden yet marked");
      _reading.day = day;
    }
    if (marked != 1) Break(std::to_string(marked) + " buttons marked");
  }

  const VOKPLMDlgDate& _dialog;
  CalendarReading _reading;
  int _gregorianYear = 0;
};

}  // namespace

int DaysInMonth(int gregorianYear, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && gregorianYear % 4 == 0) return 29;
  return kDays[month - 1];
}

CalendarReading ReadCalendar(const VOKPLMDlgDate& dialog) { return Reader(dialog).Read(); }
