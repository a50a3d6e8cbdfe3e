// The real date-picker in an interactive session, driven by keys only
// (its pictures are the demo's golden files).
#include <gtest/gtest.h>

#include "base_runtime/VOKTime.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "host/FrontEndScriptScreen.h"
#include "support/HostFixture.h"

namespace {

using FrontEndCalendarKeyboardTest = HostFixture;

// Tab to the calendar button and open it: the focus is on the chosen day.
// Down twice and Right reach day 16; Enter picks it and accepts it as OK
// does: the entry frame's editor holds the date and the focus is back on
// the calendar button.
TEST_F(FrontEndCalendarKeyboardTest, ADatePickedWithTheKeyboardLandsInTheEntryFrame) {
  VOKHostClock::FixToday(2025, 6, 1);
  VOKDlgDialog host(nullptr, "Host", VOKDlgStyle::OKButton | VOKDlgStyle::CancelButton);
  host.SetVisibility(VOKDlgVisibility::Shown);
  auto* frame = new VOKDlgFrame(&host, "Fields", VOKDlgStyle::GridLayout);
  auto* entry = new VOKQELNavDateEntryFrame(&host, frame, "Created");
  entry->SetGridConstraints(0, 0, 1, 1, 30);
  ScriptScreen screen;
  screen.events = {Key(VOKKey::Tab),  Key(VOKKey::Enter), Key(VOKKey::Down),
                   Key(VOKKey::Down), Key(VOKKey::Right), Key(VOKKey::Enter)};
  {
    VOKFrontEndSession session(host, screen);
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
