// The keys of a calendar in an interactive session: arrows pressing the
// day they reach, a day picked and accepted at once with Enter, Space or a
// double click, months turned with PageUp and PageDown across the year's
// ends, years with Shift, and a month chosen by typing its first letters.
#include <gtest/gtest.h>

#include "host/CalendarSessionTest.h"

using frontend_test::Find;

namespace {

const std::string kOK = "user VOKDlgDiaOKNotification Calendar";
const std::string kMonth = "user VOKDlgComboSelectNotification Month";
const std::string kNextYear = "user VOKDlgSpinnerBtnUpNotification Year";
const std::string kLastYear = "user VOKDlgSpinnerBtnDownNotification Year";
std::string Day(const char* name) {
  return "user VOKDlgPushBActivateNotification " + std::string(name);
}

// Day buttons 12, 13 and 23 are listened to, and OK and the year's steps.
class CalendarKeysTest : public CalendarSessionTest {
 protected:
  CalendarKeysTest() {
    for (const char* day : {"12", "13", "23"}) {
      auto* button = Find<VOKDlgPushButton>(*calendar, day);
      user->Listen(button, button->GetPushBActivateNotification(), day);
    }
    user->Listen(calendar, calendar->GetDiaOKNotification(), "Calendar");
    user->Listen(spinner, spinner->GetSpinnerBtnUpNotification(), "Year");
    user->Listen(spinner, spinner->GetSpinnerBtnDownNotification(), "Year");
  }

  void Run(std::vector<Step> steps) { screen.Play(*calendar, std::move(steps)); }
};

// The calendar opens on its chosen day (9, greyed). The choice follows
// the focus: an arrow presses the day it reaches (day 10 is button "13",
// day 17 button "20"); Tab leaves the grid whole, Shift-Tab enters it on
// the chosen day.
TEST_F(CalendarKeysTest, ArrowsPressTheDayTheyReach) {
  Run({Key(VOKKey::Right), Key(VOKKey::Down), Key(VOKKey::Tab), Key(VOKKey::BackTab)});
  EXPECT_EQ((Log{"12", "13", "20", "OK", "12"}), screen.focusNames);
  EXPECT_EQ(Log{Day("13")}, log);
  EXPECT_EQ(5, combo->GetSelect());
}

// The chosen day, greyed, cannot be pressed again: OK alone accepts it.
TEST_F(CalendarKeysTest, EnterSpaceAndADoubleClickPickADayAndAcceptItAsOK) {
  Run({Key(VOKKey::Enter)});
  EXPECT_EQ(Log{kOK}, log);
  log.clear();
  Run({VOKInputEvent::Typed(U' ')});
  EXPECT_EQ(Log{kOK}, log);
  log.clear();
  Run(DoubleClickOn("[20]"));
  EXPECT_EQ((Log{Day("23"), Day("23"), kOK}), log);
}

// Across December and January the spinner steps the year first; at the
// end of the spinner's range the page does not turn. Shift steps the year
// alone. The focus stays on the chosen day.
TEST_F(CalendarKeysTest, PageUpAndPageDownTurnTheMonthAcrossTheYearsEnds) {
  combo->SetSelect(11, 1);
  Run({Key(VOKKey::PageDown), Key(VOKKey::PageUp), Key(VOKKey::PageUp), Key(VOKKey::ShiftPageDown),
       Key(VOKKey::ShiftPageUp)});
  EXPECT_EQ((Log{kNextYear, kMonth, kLastYear, kMonth, kMonth, kNextYear, kLastYear}), log);
  EXPECT_EQ(10, combo->GetSelect());
  EXPECT_EQ("12", screen.focusNames.back());
  log.clear();
  combo->SetSelect(11, 1);
  spinner->SetRange(1900, 2025, 1, 0);
  Run({Key(VOKKey::PageDown), Key(VOKKey::ShiftPageDown)});
  EXPECT_TRUE(log.empty());
}

// The month combo is a list: letters jump to the month they start, and a
// letter that continues no month starts a new name.
TEST_F(CalendarKeysTest, TypingIntoTheMonthListChoosesTheMonthItNames) {
  Run(Join({{Key(VOKKey::BackTab), Key(VOKKey::BackTab)}, Typed("mays")}));
  EXPECT_EQ((Log{kMonth, kMonth, kMonth}), log);
  EXPECT_EQ(8, combo->GetSelect());
  VOKUnicodeString field;
  combo->GetField(field);
  EXPECT_EQ("September", field.ToUtf8());
}

}  // namespace
