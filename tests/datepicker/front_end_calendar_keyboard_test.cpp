// The real date-picker in an interactive session, driven by keys only
// (its pictures are the demo's golden files): the chosen day follows the
// keys, across months and years, and today keeps its own mark.
#include <gtest/gtest.h>

#include "datepicker/entry_frame_session.h"
#include "support/HostFixture.h"

namespace {

class FrontEndCalendarKeyboardTest : public HostFixture {
 protected:
  // Today is 1 June 2025; Tab and Enter open the calendar on it, the keys
  // follow.
  void Run(std::vector<Step> keys) {
    screen = ScriptScreen();
    written = RunEntryFrameSession(screen, keys);
  }

  ScriptScreen screen;
  std::string written;
};

// The focus opens on the chosen day, today; Down twice and Right press day
// 8, 15 and 16 in turn; Enter accepts the last as OK does, and the focus
// is back on the calendar button. Today keeps a mark of its own.
TEST_F(FrontEndCalendarKeyboardTest, ADatePickedWithTheKeyboardLandsInTheEntryFrame) {
  Run({Key(VOKKey::Down), Key(VOKKey::Down), Key(VOKKey::Right), Key(VOKKey::Enter)});
  EXPECT_EQ(
      (std::vector<std::string>{"_calEditor", "_calButton", "1", "8", "15", "16", "_calButton"}),
      screen.focusNames);
  EXPECT_EQ("06/16/2025", written);
  EXPECT_NE(std::string::npos, screen.pictures[2].find("│ » 1« [ 2]")) << screen.pictures[2];
  EXPECT_NE(std::string::npos, screen.pictures[3].find("│ « 1» [ 2]")) << screen.pictures[3];
  EXPECT_NE(std::string::npos, screen.pictures[3].find("│ › 8‹ [ 9]")) << screen.pictures[3];
}

// Past the month's first or last day the arrows go on into the month
// before or after, by a day or a week, across the year's end too.
TEST_F(FrontEndCalendarKeyboardTest, ArrowsAtTheEdgesChooseDaysOfTheNextMonth) {
  Run({Key(VOKKey::Left), Key(VOKKey::Enter)});
  EXPECT_EQ("05/31/2025", written);
  Run({Key(VOKKey::Up), Key(VOKKey::Enter)});
  EXPECT_EQ("05/25/2025", written);
  Run({Key(VOKKey::End), Key(VOKKey::Right), Key(VOKKey::Enter)});
  EXPECT_EQ("07/01/2025", written);
  Run({Key(VOKKey::End), Key(VOKKey::Down), Key(VOKKey::Enter)});
  EXPECT_EQ("07/07/2025", written);
  Run({Key(VOKKey::PageUp), Key(VOKKey::PageUp), Key(VOKKey::PageUp), Key(VOKKey::PageUp),
       Key(VOKKey::PageUp), Key(VOKKey::Left), Key(VOKKey::Enter)});
  EXPECT_EQ("12/31/2024", written);
}

// Shift-PageUp and Shift-PageDown step the year, keeping the day (29
// February to 28 in a common year); OK writes the day the keys marked.
TEST_F(FrontEndCalendarKeyboardTest, ShiftWithPageKeysStepsTheYearAndOKWritesTheMarkedDay) {
  Run({Key(VOKKey::PageUp), Key(VOKKey::PageUp), Key(VOKKey::PageUp), Key(VOKKey::PageUp),
       Key(VOKKey::ShiftPageUp), Key(VOKKey::End), Key(VOKKey::ShiftPageDown), Key(VOKKey::Tab),
       Key(VOKKey::Enter)});
  EXPECT_EQ("02/28/2025", written);
  EXPECT_EQ("OK", screen.focusNames[screen.focusNames.size() - 2]);
}

}  // namespace
