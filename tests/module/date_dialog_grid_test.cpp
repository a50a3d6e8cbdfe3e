// The month grid, the marked day, day clicks, month choices, the date
// operations and their trace records.
#include <string>
#include <vector>

#include "base_runtime/VOKHostSettings.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "module/date_dialog_fixture.h"
#include "services/ImmersiveUITrace.h"

namespace {

std::vector<std::string> Days(int count) {
  std::vector<std::string> days;
  for (int d = 1; d <= count; ++d) days.push_back(std::to_string(d));
  return days;
}

VOKTime Date(int year, int month, int day) { return VOKTime(year, month, day, 0, 0, 0, 0); }

}  // namespace

TEST_F(DateDialogTest, MonthsStartingOnEachWeekdayFillTheirCells) {
  struct Row {
    const char* year;
    int month;
    int firstCell;
    int days;
  };
  // Each weekday once, and February in a plain and a leap year.
  const Row rows[] = {{"2025", 6, 0, 30},  {"2025", 9, 1, 30}, {"2025", 7, 2, 31},
                      {"2025", 10, 3, 31}, {"2025", 5, 4, 31}, {"2025", 8, 5, 31},
                      {"2025", 3, 6, 31},  {"2015", 2, 0, 28}, {"2024", 2, 4, 29}};
  VOKPLMDlgDate& dialog = Open();
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.year) + "-" + std::to_string(row.month));
    ASSERT_TRUE(TypeYear(dialog, row.year));
    ASSERT_TRUE(ChooseMonth(dialog, row.month));
    EXPECT_EQ(row.firstCell, FirstShownCell(dialog));
    EXPECT_EQ(Days(row.days), ShownDays(dialog));
  }
}

TEST_F(DateDialogTest, ClickingADayMovesTheMark) {
  VOKPLMDlgDate& dialog = Open();
  VOKTime june = Date(2025, 6, 1);
  dialog.SetDate(june);
  EXPECT_FALSE(PressDay(dialog, 1));  // the marked day is greyed out
  ASSERT_TRUE(PressDay(dialog, 10));
  EXPECT_EQ(std::vector<int>{10}, MarkedButtons(dialog));
  EXPECT_EQ(10, dialog.GetDay());
  ASSERT_TRUE(PressDay(dialog, 1));
  EXPECT_EQ(std::vector<int>{1}, MarkedButtons(dialog));
  EXPECT_EQ(Date(2025, 6, 1), dialog.GetDate());
}

TEST_F(DateDialogTest, ChangingMonthOrYearCutsTheDayToTheMonthsEnd) {
  struct Row {
    int year;
    int fromMonth;
    int day;
    int toMonth;
    int keptDay;
  };
  const Row rows[] = {{2025, 3, 31, 2, 28}, {2024, 3, 31, 2, 29}, {2025, 1, 31, 4, 30}};
  VOKPLMDlgDate& dialog = Open();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.year * 100 + row.toMonth);
    VOKTime date = Date(row.year, row.fromMonth, row.day);
    dialog.SetDate(date);
    ASSERT_TRUE(ChooseMonth(dialog, row.toMonth));
    EXPECT_EQ(row.keptDay, dialog.GetDay());
    EXPECT_EQ(1u, MarkedButtons(dialog).size());
  }
  VOKTime leapDay = Date(2024, 2, 29);
  dialog.SetDate(leapDay);
  ASSERT_TRUE(VOKDlgUser::StepUp(Spinner(dialog)));
  EXPECT_EQ(Date(2025, 2, 28), dialog.GetDate());
}

TEST_F(DateDialogTest, OutOfRangeDatePartsAreIgnored) {
  VOKPLMDlgDate& dialog = Open();
  const std::string today = MonthView(dialog);
  dialog.SetYear(2039, 1);
  dialog.SetYear(1969, 1);
  dialog.SetMonth(0, 1, 1);
  dialog.SetMonth(13, 1, 1);
  dialog.SetDay(0);
  dialog.SetDay(32);
  EXPECT_EQ(today, MonthView(dialog));
  EXPECT_EQ("2026", Spinner(dialog)->GetCurrentText().ToUtf8());
  EXPECT_EQ(Date(2026, 12, 4), dialog.GetDate());
  VOKTime outside = Date(2040, 5, 31);
  dialog.SetDate(outside);  // keeps the year, takes month and day
  EXPECT_EQ(Date(2026, 5, 31), dialog.GetDate());
  dialog.SetYear(2038, 1);
  EXPECT_EQ("2038", Spinner(dialog)->GetCurrentText().ToUtf8());
  dialog.SetYear(1970, 0);
  EXPECT_EQ(1970, dialog.GetYear());
  EXPECT_EQ(6, FirstShownCell(dialog));  // not redrawn: still May 2038
}

TEST_F(DateDialogTest, BuddhistEraYearsAreShownAndTakenBack) {
  VOKHostSettings::SetThai(true, true);
  VOKPLMDlgDate& dialog = Open();
  EXPECT_EQ(2569, dialog.GetYear());
  VOKTime leapDay = Date(2024, 2, 29);
  dialog.SetDate(leapDay);
  EXPECT_EQ("2567", Spinner(dialog)->GetCurrentText().ToUtf8());
  EXPECT_EQ(Days(29), ShownDays(dialog));
  EXPECT_EQ(Date(2024, 2, 29), dialog.GetDate());
  ASSERT_TRUE(TypeYear(dialog, "2568"));
  EXPECT_EQ(6, FirstShownCell(dialog));  // February 2025 starts on a Saturday
}

TEST_F(DateDialogTest, ThaiHostShowingGregorianYearsStartsAtTheLowestYear) {
  VOKHostSettings::SetThai(true, false);
  VOKPLMDlgDate& dialog = Open();
  EXPECT_EQ(2513, dialog.GetYear());
  EXPECT_EQ("2513", Spinner(dialog)->GetCurrentText().ToUtf8());
  EXPECT_EQ(11, Combo(dialog)->GetSelect());
  EXPECT_EQ(5, FirstShownCell(dialog));  // December 2513, drawn as a Gregorian year
  EXPECT_EQ(std::vector<int>{9}, MarkedButtons(dialog));
}

TEST_F(DateDialogTest, DayAndMonthActionsTraceTheirSteps) {
  VOKPLMDlgDate& dialog = Open();
  CaptureTrace("VOKPLMDlgDate");
  ASSERT_TRUE(PressDay(dialog, 31));
  ASSERT_TRUE(ChooseMonth(dialog, 2));
  EXPECT_EQ((std::vector<std::string>{"VOKPLMDlgDate::ChangeDay", "VOKPLMDlgDate::ChangeMonth",
                                      "VOKPLMDlgDate::GetDay", "February selected.",
                                      "VOKPLMDlgDate::SetMonth", "VOKPLMDlgDate::RefreshCalendar",
                                      "VOKPLMDlgDate::SetDay"}),
            TakeTrace("VOKPLMDlgDate"));
  VOKTime date = dialog.GetDate();
  dialog.SetDate(date);
  EXPECT_EQ((std::vector<std::string>{"VOKPLMDlgDate::GetDate", "VOKPLMDlgDate::GetDay",
                                      "VOKPLMDlgDate::SetDate", "VOKPLMDlgDate::SetYear",
                                      "VOKPLMDlgDate::SetMonth", "VOKPLMDlgDate::RefreshCalendar",
                                      "VOKPLMDlgDate::SetDay"}),
            TakeTrace("VOKPLMDlgDate"));
}

TEST_F(DateDialogTest, ConstructionTracesItsSteps) {
  CaptureTrace("VOKPLMDlgDate");
  const int next = VOKPLMDlgDate::uidN + 1;
  Open();
  EXPECT_EQ((std::vector<std::string>{"VOKPLMDlgDate::VOKPLMDlgDate", "VOKPLMDlgDate::StripNLS",
                                      "VOKPLMDlgDate::StripNLS", "VOKPLMDlgDate::StripNLS",
                                      "VOKPLMDlgDate::SetYear", "VOKPLMDlgDate::SetMonth",
                                      "VOKPLMDlgDate::RefreshCalendar", "VOKPLMDlgDate::SetDay",
                                      "Calendar New UID: Calendar" + std::to_string(next)}),
            TakeTrace("VOKPLMDlgDate"));
}

TEST_F(DateDialogTest, NothingIsRecordedWhileTracingIsOff) {
  ImmersiveUITrace::SetSwitch("VOKPLMDlgDate", false);
  const long before = ImmersiveUITrace::RecordsEmitted();
  VOKPLMDlgDate& dialog = Open();
  ASSERT_TRUE(PressDay(dialog, 12));
  ASSERT_TRUE(ChooseMonth(dialog, 1));
  ASSERT_TRUE(TypeYear(dialog, "1900"));
  ASSERT_TRUE(VOKDlgUser::StepUp(Spinner(dialog)));
  EXPECT_EQ(before, ImmersiveUITrace::RecordsEmitted());
}
