// File: date_dialog_fixture.h
// A shown host dialog in a known locale (layout mm/dd/yyyy with the
// placeholders dd, mm and yyyy, today 4 December 2026), under which the
// tests open date-picker dialogs and act on them as the user would.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "date_dialog/VOKPLMDlgDate.h"
#include "datepicker/calendar_test_support.h"
#include "dialog_toolkit/VOKDlgDialog.h"

// The user's actions, as on any calendar.
using calendar_test::ChooseMonth;
using calendar_test::PressDay;
using calendar_test::TypeYear;

class DateDialogTest : public CalendarFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A new dialog under the host, shown so that the user can reach it.
  VOKPLMDlgDate& Open();

  static VOKDlgSpinner* Spinner(const VOKPLMDlgDate& dialog);
  static VOKDlgCombo* Combo(const VOKPLMDlgDate& dialog);
  static VOKDlgPushButton* Button(const VOKPLMDlgDate& dialog, int number);  // 1 to 37

  // The day grid, one line a week: cells four characters wide, "." for a
  // hidden cell, the marked day in brackets.
  static std::string MonthView(const VOKPLMDlgDate& dialog);
  static std::vector<int> MarkedButtons(const VOKPLMDlgDate& dialog);  // greyed out
  static int FirstShownCell(const VOKPLMDlgDate& dialog);

  std::unique_ptr<VOKDlgDialog> host;
};
