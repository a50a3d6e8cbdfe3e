// vok_demo: a small host that opens a date-picker dialog under a dialog of
// its own and prints what the dialog shows: its title, the month chosen in
// the combo, the year in the spinner and the day buttons as a month view
// (the marked day in brackets, hidden cells blank).
//
//   vok_demo [--today YYYY-MM-DD]
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

#include "base_runtime/VOKTime.h"
#include "date_dialog/VOKPLMDlgDate.h"
#include "dialog_toolkit/VOKDlgDialog.h"

namespace {

constexpr int kCells = 37;
constexpr int kWeekDays = 7;
constexpr int kColumnWidth = 5;

bool ParseDay(const std::string& text, int& year, int& month, int& day) {
  char rest = 0;
  return text.size() == 10 &&
         std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &year, &month, &day, &rest) == 3 &&
         VOKTime(year, month, day, 0, 0, 0, 0).Gettime_t() != VOKTime::Invalid;
}

// Returns false with a message on stderr when the arguments are not usable.
bool ApplyArguments(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    int year = 0;
    int month = 0;
    int day = 0;
    if (argument == "--today" && i + 1 < argc && ParseDay(argv[i + 1], year, month, day)) {
      VOKHostClock::FixToday(year, month, day);
      ++i;
      continue;
    }
    std::cerr << "usage: vok_demo [--today YYYY-MM-DD]\n";
    if (argument == "--today") std::cerr << "vok_demo: --today needs a real date as YYYY-MM-DD\n";
    else std::cerr << "vok_demo: unknown argument \"" << argument << "\"\n";
    return false;
  }
  return true;
}

std::string Cell(const std::string& text) {
  std::string cell = text;
  if (cell.size() < kColumnWidth) cell.insert(0, kColumnWidth - cell.size(), ' ');
  return cell;
}

std::string Title(const VOKDialog* widget) { return widget ? widget->GetTitle().ToUtf8() : ""; }

std::string Headings(const VOKDialog& calendar) {
  std::string line;
  for (int i = 1; i <= kWeekDays; ++i) {
    line += Cell(Title(calendar.FindDescendant(("day" + std::to_string(i)).c_str())));
  }
  return line;
}

// The text of a day cell as the user sees it.
std::string DayText(const VOKDialog* button) {
  if (!button || button->GetVisibility() != VOKDlgVisibility::Shown) return "";
  const std::string day = Title(button);
  return button->GetSensitivity() == VOKDlgSensitivity::Greyed ? "[" + day + "]" : day;
}

std::string Weeks(const VOKDialog& calendar) {
  std::string weeks;
  for (int first = 0; first < kCells; first += kWeekDays) {
    std::string line;
    bool shown = false;
    for (int cell = first; cell < first + kWeekDays && cell < kCells; ++cell) {
      const std::string text = DayText(calendar.FindDescendant(std::to_string(cell + 1).c_str()));
      shown = shown || !text.empty();
      line += Cell(text);
    }
    if (shown) weeks += line.erase(line.find_last_not_of(' ') + 1) + "\n";
  }
  return weeks;
}

std::string MonthLine(const VOKDialog& calendar) {
  const auto* combo = dynamic_cast<const VOKDlgCombo*>(calendar.FindDescendant("MonthCombo"));
  if (!combo) return "(no month combo)";
  return combo->GetLine(combo->GetSelect()).ToUtf8() + " (line " +
         std::to_string(combo->GetSelect()) + " of " + std::to_string(combo->GetLineCount()) + ")";
}

std::string YearText(const VOKDialog& calendar) {
  const auto* spinner = dynamic_cast<const VOKDlgSpinner*>(calendar.FindDescendant("YearSpinner"));
  return spinner ? spinner->GetCurrentText().ToUtf8() : "(no year spinner)";
}

}  // namespace

int main(int argc, char** argv) {
  if (!ApplyArguments(argc, argv)) return 2;
  VOKDlgDialog host(nullptr, "DemoHost", VOKDlgStyle::OKButton | VOKDlgStyle::CancelButton);
  VOKPLMDlgDate* calendar = new VOKPLMDlgDate(&host);
  if (!calendar) {
    std::cerr << "vok_demo: the calendar could not be created\n";
    return 1;
  }
  std::ostringstream out;
  out << calendar->GetName() << ": " << Title(calendar) << "\n"
      << "Month: " << MonthLine(*calendar) << "\n"
      << "Year:  " << YearText(*calendar) << "\n\n"
      << Headings(*calendar) << "\n"
      << Weeks(*calendar);
  std::cout << out.str();
  return 0;
}
