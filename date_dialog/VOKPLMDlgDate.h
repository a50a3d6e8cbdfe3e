// File: VOKPLMDlgDate.h
// The calendar date-picker dialog: a month combo and a year spinner over a
// separator and a grid of seven weekday headings and 37 day buttons.
//
// Ownership: the widgets belong to the toolkit's tree under the dialog; the
// dialog owns only its two arrays (the day-button pointers and the month
// names). A copy gets arrays of its own holding the same pointers and names,
// so that every dialog releases exactly the arrays it allocated; the widget
// pointers are shared with the source.
//
// The date lives in _year, _month and the marked cell _selectedCell; the
// day is always read back from the title of the marked button. Construction
// is in VOKPLMDlgDate.cpp, the date state and grid in VOKPLMDlgDateGrid.cpp,
// the year checks in VOKPLMDlgDateYear.cpp, the locale formats in
// VOKPLMDlgDateFormats.cpp.
#pragma once

#include "base_runtime/VOKTime.h"
#include "base_runtime/VOKUnicodeString.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSeparator.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "module/ModuleExport.h"

/// The calendar dialog: a month combo, a year spinner and a grid of seven
/// weekday headings over 37 day buttons. It shows one date, which the
/// person changes by choosing a month, typing or stepping a year and
/// pressing a day; years stay within minYear to maxYear (minYear_Thai to
/// maxYear_Thai in a Thai setting). The widgets belong to the dialog's
/// tree and are deleted with it.
class VOK_MODULE_API VOKPLMDlgDate : public VOKDlgDialog {
 public:
  static const int minYear;       ///< 1970
  static const int maxYear;       ///< 2038
  static const int minYear_Thai;  ///< 2513
  static const int maxYear_Thai;  ///< 2581
  /// The widget name the next dialog takes: "Calendar" and uidN.
  static char uid[24];
  /// The number that ends uid; grows by one at every construction.
  static int uidN;

  /// A hidden dialog under parent (null for none), showing today's date.
  explicit VOKPLMDlgDate(VOKDialog* parent);
  /// A copy that shares other's widgets and has arrays of its own.
  VOKPLMDlgDate(VOKPLMDlgDate& other);
  /// Takes other's widgets, date and names; the tree stays as it is.
  VOKPLMDlgDate& operator=(const VOKPLMDlgDate& other);
  ~VOKPLMDlgDate() override;

  VOKString GetResourceFilename(int level) const override;

  /// Removes every "[", "~", "]" and blank from text.
  static void StripNLS(VOKUnicodeString& text);

  /// The shown date at 00:00:00 (Gregorian also in a Thai setting).
  VOKTime GetDate();
  /// Shows date: its year (see SetYear: a year outside the bounds is not
  /// taken, the shown year stays), its month, its day.
  void SetDate(VOKTime& date);
  /// The marked day of the month, read from the marked button's title.
  short GetDay();
  /// Marks the button of day in the shown month (cut to its last day).
  void SetDay(short day);
  /// The shown month, 1 to 12.
  short GetMonth();
  /// Sets the month (1 to 12); refresh non-zero redraws the grid, select
  /// non-zero selects the month's line in the combo.
  void SetMonth(short month, short refresh, short select);
  /// The shown year (Buddhist era when a Thai host shows it).
  short GetYear();
  /// Sets the year when it lies within the bounds, else changes nothing;
  /// refresh non-zero redraws the grid.
  void SetYear(short year, short refresh);

 protected:
  /// The Gregorian year of a shown year, and the shown year of a Gregorian
  /// one: they differ by the era's offset when a Thai host shows Buddhist-era
  /// years.
  int GregorianYear(int shownYear) const;
  /// The year shown for a Gregorian year (see GregorianYear).
  int ShownYear(int gregorianYear) const;

 private:
  void RefreshCalendar();
  void ChangeDay(VOKCommand* sender, VOKNotification* notification, void* data);
  void ChangeMonth(VOKCommand* sender, VOKNotification* notification, void* data);
  void ChangeYear(VOKCommand* sender, VOKNotification* notification, void* data);

  unsigned char isYearValid(VOKUnicodeString text);
  long getExampleYear(int& example);
  void yearErrorDialog(VOKUnicodeString& text);
  long getLongDateFormat(VOKUnicodeString& format);
  long getShortDateFormat(VOKUnicodeString& format);

  /// Construction steps. A widget whose container could not be created is
  /// not created either, since it would belong to no widget tree.
  struct Frames {
    VOKDlgFrame* yearMonth;
    VOKDlgFrame* day;
  };
  Frames BuildFrames();
  void LoadTitles();
  void BuildYearSpinner(VOKDlgFrame* yearMonthFrame);
  void BuildMonthCombo(VOKDlgFrame* yearMonthFrame);
  void LayOutYearMonth(VOKDlgFrame* yearMonthFrame);
  void BuildHeadings(VOKDlgFrame* dayFrame);
  void BuildDayButtons(VOKDlgFrame* dayFrame);
  void FillMonthNames();
  void ShowToday();
  void CopyArrays(const VOKPLMDlgDate& other);
  static void AdvanceUid();

  /// The day button of a cell, null when the grid or the button is missing.
  VOKDlgPushButton* DayButton(int cell) const;
  void SetCellVisibility(int firstCell, int lastCell, int visibility);
  void MarkCell(int cell, int sensitivity);
  /// A refused year: the example year, or the lowest year of the setting
  /// when no example can be had.
  int FallBackYear();

  VOKUnicodeString _dayTitle;
  VOKUnicodeString _monthTitle;
  VOKUnicodeString _yearTitle;
  VOKDlgSpinner* _yearSpinner = nullptr;
  VOKDlgCombo* _monthCombo = nullptr;
  VOKDlgSeparator* _daySeparator = nullptr;
  VOKDlgPushButton** _dayButtons = nullptr;  ///< cells 0 to 36
  int _selectedCell = 0;
  int _daysInMonth = 0;  ///< 28 to 31
  short _year = 0;
  short _month = 1;                         ///< 1 to 12
  VOKUnicodeString* _monthNames = nullptr;  ///< 12 names, January first
};
