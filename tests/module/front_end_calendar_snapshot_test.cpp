// The real date-picker as the text renderer and an interactive session
// show it: a fresh calendar on a fixed day, the same calendar after the
// user chose a month and a day, and a date picked with the keyboard
// through the entry frame.
#include <gtest/gtest.h>

#include <memory>

#include "date_dialog/VOKPLMDlgDate.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/paint/VOKTextRenderer.h"
#include "host/FrontEndScriptScreen.h"
#include "support/HostFixture.h"

namespace {

class FrontEndCalendarSnapshotTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    VOKHostClock::FixToday(2025, 6, 1);
    host = std::make_unique<VOKDlgDialog>(nullptr, "Host",
                                          VOKDlgStyle::OKButton | VOKDlgStyle::CancelButton);
    host->SetTitle("Host");
    host->SetVisibility(VOKDlgVisibility::Shown);
  }
  void TearDown() override {
    host.reset();
    HostFixture::TearDown();
  }

  std::unique_ptr<VOKDlgDialog> host;
};

TEST_F(FrontEndCalendarSnapshotTest, FreshCalendarShowsTodayMarked) {
  auto* calendar = new VOKPLMDlgDate(host.get());
  calendar->SetVisibility(VOKDlgVisibility::Shown);
  EXPECT_EQ(
      "┌─ Choose a date ──────────────── x ─┐\n"
      "│ June       ▾ 2025 ▴▾               │\n"
      "│ ────────────────────────────────── │\n"
      "│  Sun  Mon  Tue  Wed  Thu  Fri  Sat │\n"
      "│ › 1‹ [ 2] [ 3] [ 4] [ 5] [ 6] [ 7] │\n"
      "│ [ 8] [ 9] [10] [11] [12] [13] [14] │\n"
      "│ [15] [16] [17] [18] [19] [20] [21] │\n"
      "│ [22] [23] [24] [25] [26] [27] [28] │\n"
      "│ [29] [30]                          │\n"
      "│                      [OK] [Cancel] │\n"
      "└────────────────────────────────────┘\n",
      VOKTextRenderer::Render(*calendar));
}

// March 2025 starts on a Saturday and needs six weeks.
TEST_F(FrontEndCalendarSnapshotTest, ChosenMonthAndDayAreWhatTheCalendarShows) {
  auto* calendar = new VOKPLMDlgDate(host.get());
  calendar->SetVisibility(VOKDlgVisibility::Shown);
  ASSERT_TRUE(
      VOKDlgUser::Choose(dynamic_cast<VOKDlgCombo*>(calendar->FindDescendant("MonthCombo")), 2));
  ASSERT_TRUE(VOKDlgUser::Press(dynamic_cast<VOKDlgPushButton*>(calendar->FindDescendant("37"))));
  EXPECT_EQ(
      "┌─ Choose a date ──────────────── x ─┐\n"
      "│ March      ▾ 2025 ▴▾               │\n"
      "│ ────────────────────────────────── │\n"
      "│  Sun  Mon  Tue  Wed  Thu  Fri  Sat │\n"
      "│                               [ 1] │\n"
      "│ [ 2] [ 3] [ 4] [ 5] [ 6] [ 7] [ 8] │\n"
      "│ [ 9] [10] [11] [12] [13] [14] [15] │\n"
      "│ [16] [17] [18] [19] [20] [21] [22] │\n"
      "│ [23] [24] [25] [26] [27] [28] [29] │\n"
      "│ [30] ›31‹                          │\n"
      "│                      [OK] [Cancel] │\n"
      "└────────────────────────────────────┘\n",
      VOKTextRenderer::Render(*calendar));
}

// Tab to the calendar button and open it: the focus is on the chosen day.
// Down twice and Right reach day 16; Enter picks it and accepts it as OK
// does: the entry frame's editor holds the date and the focus is back on
// the calendar button.
TEST_F(FrontEndCalendarSnapshotTest, ADatePickedWithTheKeyboardLandsInTheEntryFrame) {
  auto* frame = new VOKDlgFrame(host.get(), "Fields", VOKDlgStyle::GridLayout);
  auto* entry = new VOKQELNavDateEntryFrame(host.get(), frame, "Created");
  entry->SetGridConstraints(0, 0, 1, 1, 30);
  ScriptScreen screen;
  screen.events = {Key(VOKKey::Tab),  Key(VOKKey::Enter), Key(VOKKey::Down),
                   Key(VOKKey::Down), Key(VOKKey::Right), Key(VOKKey::Enter)};
  {
    VOKFrontEndSession session(*host, screen);
    screen.session = &session;
    session.Run();
  }
  EXPECT_EQ(
      (std::vector<std::string>{"_calEditor", "_calButton", "1", "8", "15", "16", "_calButton"}),
      screen.focusNames);
  EXPECT_EQ("06/16/2025", entry->getEditor()->GetText().ToUtf8());
  EXPECT_NE(std::string::npos, screen.pictures[2].find("│ › 1‹ [ 2]")) << screen.pictures[2];
}

}  // namespace
