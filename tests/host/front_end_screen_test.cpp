// The session's screen: the keys line under the windows and the question
// Esc asks before the last window closes, a notice when a window cannot
// fit, a window opened from a widget placed next to it, and the focus a
// window asks for. (Message boxes wrapped to the screen: the tmux test.)
#include <gtest/gtest.h>

#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "host/FrontEndScriptScreen.h"
#include "host/ToolkitTestSupport.h"

namespace {

const std::string kClose = "user VOKDlgWindCloseNotification Notes";
const std::string kGo = "user VOKDlgPushBActivateNotification Go";

// A window with a close control but no Cancel: a label, a combo and a
// button "Go" under it.
class FrontEndScreenTest : public ToolkitTest {
 protected:
  FrontEndScreenTest() {
    window = std::make_unique<VOKDlgWindow>(nullptr, "Notes", VOKDlgStyle::CloseControl);
    window->SetTitle("Notes");
    user = std::make_unique<Recorder>(&log, "user");
    auto* label = new VOKDlgLabel(window.get(), "Text", 0);
    label->SetTitle("Some notes");
    combo = new VOKDlgCombo(window.get(), "Kind", 0);
    for (const char* kind : {"short", "long"}) combo->SetLine(kind, -1, 64);
    go = new VOKDlgPushButton(window.get(), "Go", 0);
    go->SetTitle("Go");
    window->SetVerticalAttachment(1, 1, label, combo, go, nullptr);
    user->Listen(window.get(), window->GetWindCloseNotification(), "Notes");
    user->Listen(go, go->GetPushBActivateNotification(), "Go");
  }

  void Run(std::vector<Step> steps) { screen.Play(*window, std::move(steps)); }

  std::string LastLine() const {
    const std::string& picture = screen.pictures.back();
    const std::size_t end = picture.find_last_not_of('\n');
    return picture.substr(picture.rfind('\n', end) + 1, end - picture.rfind('\n', end));
  }

  ScriptScreen screen{{40, 12}};
  std::unique_ptr<VOKDlgWindow> window;
  VOKDlgCombo* combo = nullptr;
  VOKDlgPushButton* go = nullptr;
  Log log;
  std::unique_ptr<Recorder> user;
};

TEST_F(FrontEndScreenTest, EscOnTheLastWindowAsksFirstAndTheKeysLineShowsHowToQuit) {
  std::vector<std::string> lastLines;
  screen.beforeEvent = [&](std::size_t) { lastLines.push_back(LastLine()); };
  Run({Key(VOKKey::Escape), Key(VOKKey::Tab), Key(VOKKey::Escape), Key(VOKKey::Escape)});
  ASSERT_GE(lastLines.size(), 4u);
  EXPECT_NE(std::string::npos, lastLines[0].find("Ctrl-Q: quit")) << lastLines[0];
  EXPECT_NE(std::string::npos, lastLines[1].find("Close \"Notes\"? Esc: close it")) << lastLines[1];
  EXPECT_NE(std::string::npos, lastLines[2].find("Ctrl-Q: quit")) << lastLines[2];
  EXPECT_EQ(Log{kClose}, log);
  EXPECT_EQ("Kind", screen.focusNames[2]) << "the key that answered the question did nothing else";
}

// The notice takes more lines only where the screen is narrower than it.
TEST_F(FrontEndScreenTest, AWindowThatCannotFitGetsANoticeInstead) {
  screen = ScriptScreen({80, 5});
  Run({});
  EXPECT_EQ("\"Notes\" needs a terminal of 15 x 6; this one is 80 x 5.",
            screen.pictures.back().substr(0, screen.pictures.back().find('\n')));
  screen = ScriptScreen({14, 5});
  Run({});
  EXPECT_EQ("\"Notes\" needs\na terminal of\n15 x 6; this\n", screen.pictures.back().substr(0, 41));
}

// A window whose parent is a widget of the window below stands just under
// that widget, moved up to stay on the screen when there is no room below.
TEST_F(FrontEndScreenTest, AWindowOpenedFromAWidgetStandsNextToIt) {
  auto* popup = new VOKDlgWindow(go, "Popup", 0);
  popup->SetTitle("Pop");
  (new VOKDlgLabel(popup, "text", 0))->SetTitle("hi");
  popup->SetVisibility(VOKDlgVisibility::Shown);
  Run({});
  const VOKCellPoint button = screen.Where("[Go]");
  const VOKCellPoint shown = screen.Where("┌─ Pop");
  EXPECT_EQ(button.x, shown.x);
  EXPECT_EQ(button.y + 1, shown.y);
  screen = ScriptScreen({40, 7});
  Run({});
  EXPECT_EQ(screen.Where("[Go]").y - 3, screen.Where("┌─ Pop").y) << screen.pictures.back();
}

TEST_F(FrontEndScreenTest, AWindowGivesTheFocusToTheWidgetItAsksFor) {
  user->action = [this] { window->RequestFocus(combo); };
  Run({Key(VOKKey::Tab), Key(VOKKey::Enter)});
  EXPECT_EQ((Log{"Kind", "Go", "Kind"}), screen.focusNames);
}

// The open list of a combo that goes away is closed with it.
TEST_F(FrontEndScreenTest, AnOpenListClosesWhenItsComboIsHidden) {
  screen.beforeEvent = [&](std::size_t next) {
    if (next == 1) combo->SetVisibility(VOKDlgVisibility::Hidden);
  };
  Run({Key(VOKKey::Enter), VOKInputEvent{VOKInputEvent::Kind::Redraw}, Key(VOKKey::Enter)});
  EXPECT_FALSE(screen.Shows("│short")) << screen.pictures.back();
  EXPECT_EQ(-1, combo->GetSelect());
  EXPECT_EQ(Log{kGo}, log);
}

}  // namespace
