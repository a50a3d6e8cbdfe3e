// The month grid, the marked day, day clicks, month choices, the date
// operations and their trace records.
#include <string>
#include <vector>

#include "datepicker/calendar_test_support.h"
#include "services/ImmersiveUITrace.h"

using calendar_test::ChooseMonth;
using calendar_test::PressDay;
using calendar_test::Shown;
using calendar_test::TypeYear;

namespace {

VOKTime Date(int year, int month, int day) { return VOKTime(year, month, day, 0, 0, 0, 0); }

TEST_F(DateDialogTest, OutOfRangeDatePartsAreIgnored) {
  VOKPLMDlgDate& dialog = Open();
  dialog.SetYear(2039, 1);
  dialog.SetYear(1969, 1);
  dialog.SetMonth(0, 1, 1);
  dialog.SetMonth(13, 1, 1);
  dialog.SetDay(0);
  dialog.SetDay(32);
  EXPECT_EQ("2026-12-04", Shown(dialog));
  EXPECT_EQ(Date(2026, 12, 4), dialog.GetDate());
  VOKTime outside = Date(2040, 5, 31);
  dialog.SetDate(outside);  // keeps the year, takes month and day
  EXPECT_EQ(Date(2026, 5, 31), dialog.GetDate());
  dialog.SetYear(2038, 1);
  EXPECT_EQ("2038-05-30", Shown(dialog));  // the marked cell stays where the 31st was
  dialog.SetYear(1970, 0);
  EXPECT_EQ(1970, dialog.GetYear());
  EXPECT_EQ("1", Title(dialog, 7));  // not redrawn: still May 2038
}

TEST_F(DateDialogTest, ThaiHostShowingGregorianYearsStartsAtTheLowestYear) {
  VOKHostSettings::SetThai(true, false);
  VOKPLMDlgDate& dialog = Open();
  EXPECT_EQ(2513, dialog.GetYear());
  EXPECT_EQ("2513-12-04", Shown(dialog));  // drawn as a Gregorian year
}

TEST_F(DateDialogTest, DayAndMonthActionsTraceTheirSteps) {
  VOKPLMDlgDate& dialog = Open();
  CaptureTrace("VOKPLMDlgDate");
  ASSERT_TRUE(PressDay(dialog, 31));
  ASSERT_TRUE(ChooseMonth(dialog, 2));
  EXPECT_EQ("2026-02-28", Shown(dialog));
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
  EXPECT_EQ("2026-12-04", Shown(Open()));
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

}  // namespace
