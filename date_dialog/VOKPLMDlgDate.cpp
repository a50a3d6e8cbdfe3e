// Construction, copying and destruction of the date-picker dialog, its
// widget tree, the naming of successive dialogs and the text cleaner.
#include "date_dialog/VOKPLMDlgDate.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <new>

#include "base_runtime/VOKMsgCatalog.h"
#include "date_dialog/VOKPLMDlgDateSupport.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgStyle.h"
#include "module/ModuleTrace.h"
#include "services/VOKImmDate.h"

using vok_dlgdate::kCellCount;
using vok_dlgdate::kMonths;
using vok_dlgdate::kWeekDays;

const int VOKPLMDlgDate::minYear = 1970;
const int VOKPLMDlgDate::maxYear = 2038;
const int VOKPLMDlgDate::minYear_Thai = 2513;
const int VOKPLMDlgDate::maxYear_Thai = 2581;
char VOKPLMDlgDate::uid[24] = "Calendar0";
int VOKPLMDlgDate::uidN = 0;

namespace {

constexpr std::uint64_t kDialogStyle = VOKDlgStyle::Modeless | VOKDlgStyle::Editable |
                                       VOKDlgStyle::CloseControl | VOKDlgStyle::CancelButton |
                                       VOKDlgStyle::OKButton;
constexpr int kFillCell = 30;
constexpr int kHeadingRow = 1;
constexpr int kFirstWeekRow = 2;
constexpr int kYearSteps = 68;
constexpr std::size_t kUidLength = sizeof(VOKPLMDlgDate::uid) - 1;  // 23

const char* const kWeekdayKeys[kWeekDays] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
// The headings' names: the format "day%d" written for 1 to 7.
const char* const kHeadingNames[kWeekDays] = {"day1", "day2", "day3", "day4",
                                              "day5", "day6", "day7"};
// "[", "~", "]" and the blank, removed in this order.
constexpr const char* kDecorations[] = {"[", "~", "]", " "};

// A table rather than four comparisons: every date text about to be
// converted is looked through byte by byte.
constexpr std::array<bool, 256> kDecorationBytes = [] {
  std::array<bool, 256> table{};
  for (const char* decoration : kDecorations) table[static_cast<unsigned char>(*decoration)] = true;
  return table;
}();

bool IsDecoration(char c) { return kDecorationBytes[static_cast<unsigned char>(c)]; }

VOKUnicodeString CatalogText(const char* catalog, const char* key) {
  return VOKMsgCatalog::BuildMessage(catalog, key, nullptr, 0, "");
}

// The toolkit's client data carries a number here, not an object.
void* ClientData(std::intptr_t value) {
  return reinterpret_cast<void*>(value);  // NOLINT(performance-no-int-to-ptr)
}

}  // namespace

VOKPLMDlgDate::VOKPLMDlgDate(VOKDialog* parent) : VOKDlgDialog(parent, uid, kDialogStyle) {
  VOK_TRACE(vok_module::DlgDateTrace(), "VOKPLMDlgDate::VOKPLMDlgDate");
  const Frames frames = BuildFrames();
  LoadTitles();
  SetTitle(CatalogText("VOKPLMDlgDate", "CalendarChoose"));
  BuildYearSpinner(frames.yearMonth);
  BuildMonthCombo(frames.yearMonth);
  LayOutYearMonth(frames.yearMonth);
  BuildHeadings(frames.day);
  BuildDayButtons(frames.day);
  FillMonthNames();
  ShowToday();
  AdvanceUid();
}

VOKPLMDlgDate::VOKPLMDlgDate(VOKPLMDlgDate& other)
    : VOKDlgDialog(other),
      _dayTitle(other._dayTitle),
      _monthTitle(other._monthTitle),
      _yearTitle(other._yearTitle),
      _yearSpinner(other._yearSpinner),
      _monthCombo(other._monthCombo),
      _daySeparator(other._daySeparator),
      _selectedCell(other._selectedCell),
      _daysInMonth(other._daysInMonth),
      _year(other._year),
      _month(other._month) {
  CopyArrays(other);
}

VOKPLMDlgDate& VOKPLMDlgDate::operator=(const VOKPLMDlgDate& other) {
  if (this == &other) return *this;
  VOKDlgDialog::operator=(other);
  _dayTitle = other._dayTitle;
  _monthTitle = other._monthTitle;
  _yearTitle = other._yearTitle;
  _yearSpinner = other._yearSpinner;
  _monthCombo = other._monthCombo;
  _daySeparator = other._daySeparator;
  _selectedCell = other._selectedCell;
  _daysInMonth = other._daysInMonth;
  _year = other._year;
  _month = other._month;
  CopyArrays(other);
  return *this;
}

VOKPLMDlgDate::~VOKPLMDlgDate() {
  VOK_TRACE(vok_module::DlgDateTrace(), "VOKPLMDlgDate::~VOKPLMDlgDate");
  delete[] _dayButtons;
  _dayButtons = nullptr;
  delete[] _monthNames;
  _monthNames = nullptr;
  _yearSpinner = nullptr;
  _monthCombo = nullptr;
  _daySeparator = nullptr;
}

VOKString VOKPLMDlgDate::GetResourceFilename(int level) const {
  if (level <= 0) return "VOKPLMDlgDate";
  return VOKDlgDialog::GetResourceFilename(level - 1);
}

void VOKPLMDlgDate::StripNLS(VOKUnicodeString& text) {
  VOK_TRACE(vok_module::DlgDateTrace(), "VOKPLMDlgDate::StripNLS");
  // Most texts carry no decoration: each replacement would leave them as
  // they are.
  const std::string_view bytes = text.ToUtf8();
  if (std::none_of(bytes.begin(), bytes.end(), IsDecoration)) return;
  for (const char* decoration : kDecorations)
    text.ReplaceAll(VOKUnicodeString(decoration), VOKUnicodeString());
}

// Each dialog owns its arrays: a copy allocates its own, holding the same
// button pointers and month names, so no array is released twice.
void VOKPLMDlgDate::CopyArrays(const VOKPLMDlgDate& other) {
  delete[] _dayButtons;
  _dayButtons = nullptr;
  if (other._dayButtons) {
    _dayButtons = new (std::nothrow) VOKDlgPushButton*[kCellCount];
    if (_dayButtons) std::copy_n(other._dayButtons, kCellCount, _dayButtons);
  }
  delete[] _monthNames;
  _monthNames = nullptr;
  if (other._monthNames) {
    _monthNames = new (std::nothrow) VOKUnicodeString[kMonths];
    if (_monthNames) std::copy_n(other._monthNames, kMonths, _monthNames);
  }
}

VOKPLMDlgDate::Frames VOKPLMDlgDate::BuildFrames() {
  Frames frames{new VOKDlgFrame(this, "YearMonthFrame", VOKDlgStyle::Placed), nullptr};
  _daySeparator = new VOKDlgSeparator(this, "DaySepartor", 0);
  frames.day = new VOKDlgFrame(this, "DayFrame", VOKDlgStyle::Placed | VOKDlgStyle::GridLayout);
  if (frames.yearMonth && _daySeparator && frames.day) {
    SetVerticalAttachment(1, 1, frames.yearMonth, _daySeparator, frames.day, nullptr);
    SetVerticalAttachment(2, 4, frames.yearMonth, _daySeparator, frames.day, nullptr);
    SetHorizontalAttachment(1, 5, frames.yearMonth, nullptr);
    SetHorizontalAttachment(2, 1, _daySeparator, nullptr);
    SetHorizontalAttachment(3, 5, frames.day, nullptr);
  }
  return frames;
}

void VOKPLMDlgDate::LoadTitles() {
  _dayTitle = CatalogText("VOKImmDate", "Day.Title");
  _monthTitle = CatalogText("VOKImmDate", "Month.Title");
  _yearTitle = CatalogText("VOKImmDate", "Year.Title");
  StripNLS(_dayTitle);
  StripNLS(_monthTitle);
  StripNLS(_yearTitle);
}

void VOKPLMDlgDate::BuildYearSpinner(VOKDlgFrame* yearMonthFrame) {
  if (!yearMonthFrame) return;
  _yearSpinner =
      new VOKDlgSpinner(yearMonthFrame, "YearSpinner", VOKDlgStyle::Placed | VOKDlgStyle::Editable);
  if (!_yearSpinner) return;
  _yearSpinner->SetRange(static_cast<float>(vok_dlgdate::Calendar().lowestShownYear),
                         static_cast<float>(vok_dlgdate::Calendar().highestShownYear), kYearSteps,
                         0);
  _yearSpinner->SetFormat("%d");
  _yearSpinner->SetVisibleTextWidth(4);
  _yearSpinner->SetCurrentValue(static_cast<float>(vok_dlgdate::Calendar().lowestShownYear), 1);
  // The handler tells the three apart by the notification's name.
  AddAnalyseNotificationCB(_yearSpinner, _yearSpinner->GetSpinnerBtnDownNotification(),
                           &VOKPLMDlgDate::ChangeYear, ClientData(-1));
  AddAnalyseNotificationCB(_yearSpinner, _yearSpinner->GetSpinnerBtnUpNotification(),
                           &VOKPLMDlgDate::ChangeYear, ClientData(1));
  AddAnalyseNotificationCB(_yearSpinner, _yearSpinner->GetSpinnerModifyNotification(),
                           &VOKPLMDlgDate::ChangeYear, ClientData(-2));
}

void VOKPLMDlgDate::BuildMonthCombo(VOKDlgFrame* yearMonthFrame) {
  if (!yearMonthFrame) return;
  _monthCombo = new VOKDlgCombo(yearMonthFrame, "MonthCombo", VOKDlgStyle::Editable);
  if (!_monthCombo) return;
  AddAnalyseNotificationCB(_monthCombo, _monthCombo->GetComboSelectNotification(),
                           &VOKPLMDlgDate::ChangeMonth, nullptr);
}

void VOKPLMDlgDate::LayOutYearMonth(VOKDlgFrame* yearMonthFrame) {
  if (!yearMonthFrame || !_monthCombo || !_yearSpinner) return;
  yearMonthFrame->SetHorizontalAttachment(1, 1, _monthCombo, _yearSpinner, nullptr);
  yearMonthFrame->SetVerticalAttachment(1, 5, _monthCombo, nullptr);
  yearMonthFrame->SetVerticalAttachment(2, 5, _yearSpinner, nullptr);
}

void VOKPLMDlgDate::BuildHeadings(VOKDlgFrame* dayFrame) {
  if (!dayFrame) return;
  for (int i = 1; i <= kWeekDays; ++i) {
    VOKDlgLabel* heading = new VOKDlgLabel(dayFrame, kHeadingNames[i - 1], VOKDlgStyle::Placed);
    if (!heading) continue;
    heading->SetGridConstraints(kHeadingRow, i, 1, 1, kFillCell);
    heading->SetTitle(CatalogText("VOKPLMDlgDate", kWeekdayKeys[i - 1]));
  }
}

// Cell k is button k + 1 in row k / 7 + 2, column k mod 7 + 1; the titles
// are written by the grid refresh.
void VOKPLMDlgDate::BuildDayButtons(VOKDlgFrame* dayFrame) {
  if (!dayFrame) return;
  _dayButtons = new (std::nothrow) VOKDlgPushButton*[kCellCount]();
  if (!_dayButtons) return;
  for (int k = 0; k < kCellCount; ++k) {
    VOKDlgPushButton* button =
        new VOKDlgPushButton(dayFrame, vok_dlgdate::CellNumberName(k + 1), VOKDlgStyle::Placed);
    _dayButtons[k] = button;
    if (!button) continue;
    button->SetGridConstraints(k / kWeekDays + kFirstWeekRow, k % kWeekDays + 1, 1, 1, kFillCell);
    AddAnalyseNotificationCB(button, button->GetPushBActivateNotification(),
                             &VOKPLMDlgDate::ChangeDay, ClientData(k + 1));
  }
}

// The host locale's full month names, January first: combo line m - 1 is
// month m.
void VOKPLMDlgDate::FillMonthNames() {
  _monthNames = new (std::nothrow) VOKUnicodeString[kMonths];
  const VOKUnicodeString fullMonthName("%B");
  for (int m = 1; m <= kMonths; ++m) {
    const VOKUnicodeString name = VOKTime(2000, m, 1, 0, 0, 0, 0).ConvertToString(fullMonthName, 0);
    if (_monthNames) _monthNames[m - 1] = name;
    if (_monthCombo) _monthCombo->SetLine(name, -1, 64);
  }
}

void VOKPLMDlgDate::ShowToday() {
  const VOKTime today = VOKTime::GetCurrentLocalTime();
  // A Thai host that shows Gregorian years refuses today's year (it lies
  // below the Thai bounds): start from the lowest year of the setting, the
  // year the spinner already shows, so that _year is never out of bounds.
  _year = static_cast<short>(vok_dlgdate::Calendar().lowestShownYear);
  SetYear(static_cast<short>(ShownYear(today.GetYear(0))), 0);
  SetMonth(static_cast<short>(today.GetMonth(0)), 1, 1);
  SetDay(static_cast<short>(today.GetDay(0)));
}

void VOKPLMDlgDate::AdvanceUid() {
  // Wraps at the end of the int range instead of overflowing.
  uidN = static_cast<int>(static_cast<unsigned>(uidN) + 1u);
  VOKUnicodeString number;
  if (!number.BuildFromNum(uidN, "%d")) return;
  const std::string name = "Calendar" + number.ToUtf8();
  const std::size_t length = std::min(name.size(), kUidLength);
  std::memcpy(uid, name.data(), length);
  uid[length] = '\0';
  VOK_TRACE(vok_module::DlgDateTrace(), "Calendar New UID: " << uid);
}
