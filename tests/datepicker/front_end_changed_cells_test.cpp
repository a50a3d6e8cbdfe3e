// The real date-picker in an interactive session, on a screen that keeps
// its picture and draws only the cells each picture says changed: keys
// that change nothing draw nothing, keys in the calendar draw only inside
// it, and after every key the kept picture is the whole picture.
#include <gtest/gtest.h>

#include <algorithm>

#include "datepicker/entry_frame_session.h"
#include "support/HostFixture.h"

namespace {

// Draws only the changed cells into a picture of its own, as a terminal
// does, and checks after each one that it equals the session's whole
// picture, glyphs, roles and focus.
class KeepingScreen : public ScriptScreen {
 public:
  void Show(const VOKScreenView& view) override {
    ScriptScreen::Show(view);
    if (_kept.Width() != view.canvas.Width() || _kept.Height() != view.canvas.Height()) {
      _kept = VOKCanvas(view.canvas.Width(), view.canvas.Height());
      _focused.assign(static_cast<std::size_t>(view.canvas.Width()) *
                          static_cast<std::size_t>(view.canvas.Height()),
                      false);
    }
    for (const VOKCellPoint& at : view.changed) {
      _focused[index(at)] = view.focus && view.focus->Contains(at.x, at.y);
      // The right half of a wide glyph comes with its left half.
      const VOKCell& cell = view.canvas.At(at.x, at.y);
      if (!cell.glyph.empty()) _kept.Text(at.x, at.y, cell.glyph, 2, cell.role);
    }
    drawn.push_back(view.changed);
    windows.push_back(view.windows.empty() ? VOKCellRect{} : view.windows.back().Bounds());
    EXPECT_EQ(view.canvas.ToString(), _kept.ToString()) << "after picture " << drawn.size();
    for (int y = 0; y < view.canvas.Height(); ++y) {
      for (int x = 0; x < view.canvas.Width(); ++x) {
        const bool focused = view.focus && view.focus->Contains(x, y);
        ASSERT_EQ(view.canvas.At(x, y).role, _kept.At(x, y).role) << x << "," << y;
        ASSERT_EQ(focused, _focused[index({x, y})]) << x << "," << y;
      }
    }
  }

  // The cells each picture drew, and its top window.
  std::vector<std::vector<VOKCellPoint>> drawn;
  std::vector<VOKCellRect> windows;

 private:
  std::size_t index(VOKCellPoint at) const {
    return static_cast<std::size_t>(at.y) * static_cast<std::size_t>(_kept.Width()) +
           static_cast<std::size_t>(at.x);
  }

  VOKCanvas _kept{0, 0};
  std::vector<bool> _focused;
};

class FrontEndChangedCellsTest : public HostFixture {
 protected:
  // Today is 1 June 2025; Tab and Enter open the calendar on it (picture
  // 2), the keys follow, one picture each.
  void Run(std::vector<Step> keys) { written = RunEntryFrameSession(screen, keys); }

  // Whether every cell picture drew lies in the calendar's window.
  bool InCalendar(std::size_t picture) const {
    const VOKCellRect calendar = screen.windows[2];
    const auto& cells = screen.drawn[picture];
    return std::all_of(cells.begin(), cells.end(),
                       [&](VOKCellPoint at) { return calendar.Contains(at.x, at.y); });
  }

  KeepingScreen screen;
  std::string written;
};

// The first picture draws every cell of the screen. Input that does nothing, and Home on the
// first day of the month already chosen, draw nothing.
TEST_F(FrontEndChangedCellsTest, AKeyThatChangesNothingDrawsNothing) {
  Run({VOKInputEvent{VOKInputEvent::Kind::Redraw}, Key(VOKKey::Home), Key(VOKKey::Home)});
  ASSERT_EQ(6U, screen.drawn.size());
  EXPECT_EQ(60U * 24U, screen.drawn[0].size());
  EXPECT_FALSE(screen.drawn[2].empty());
  for (std::size_t picture : {3U, 4U, 5U}) EXPECT_EQ(0U, screen.drawn[picture].size()) << picture;
  EXPECT_EQ("1", screen.focusNames[5]);
}

// Right moves the chosen day (and the focus) from 1 to 2; PageDown turns
// to July, Shift-PageDown to 2026: each draws only inside the calendar,
// the old and the new marks, the month and the year among them.
TEST_F(FrontEndChangedCellsTest, KeysInTheCalendarDrawOnlyInsideIt) {
  Run({Key(VOKKey::Right), Key(VOKKey::PageDown), Key(VOKKey::ShiftPageDown), Key(VOKKey::Enter)});
  ASSERT_EQ(7U, screen.drawn.size());
  for (std::size_t picture : {3U, 4U, 5U}) {
    EXPECT_FALSE(screen.drawn[picture].empty()) << picture;
    EXPECT_TRUE(InCalendar(picture)) << picture;
  }
  EXPECT_LT(screen.drawn[3].size(), 20U);
  EXPECT_NE(std::string::npos, screen.pictures[3].find("│ « 1» › 2‹")) << screen.pictures[3];
  EXPECT_NE(std::string::npos, screen.pictures[4].find("July")) << screen.pictures[4];
  EXPECT_NE(std::string::npos, screen.pictures[5].find("2026")) << screen.pictures[5];
  EXPECT_EQ("07/02/2026", written);
  EXPECT_EQ(std::string::npos, screen.pictures[6].find("Choose a date")) << screen.pictures[6];
}

// The month combo's list opened over the calendar and closed, a year
// typed into the spinner and refused with a message box over everything,
// the box answered, the calendar cancelled: the kept picture follows the
// whole one all along (the screen checks it), and each window shows.
TEST_F(FrontEndChangedCellsTest, TheKeptPictureFollowsWindowsOpeningAndClosing) {
  Run(Join({{Key(VOKKey::BackTab), Key(VOKKey::BackTab), Key(VOKKey::Enter), Key(VOKKey::Escape),
             Key(VOKKey::Tab)},
            Typed("1"),
            {Key(VOKKey::Tab), Key(VOKKey::Enter), Key(VOKKey::Escape)}}));
  ASSERT_EQ(12U, screen.pictures.size());
  EXPECT_NE(std::string::npos, screen.pictures[5].find("│January   │")) << screen.pictures[5];
  EXPECT_EQ(std::string::npos, screen.pictures[6].find("January")) << screen.pictures[6];
  EXPECT_NE(std::string::npos, screen.pictures[9].find("│ \"1\" is not a valid year. │"))
      << screen.pictures[9];
  EXPECT_NE(std::string::npos, screen.pictures[10].find("│ June       ▾ 2025 ▴▾"))
      << screen.pictures[10];
  EXPECT_EQ(std::string::npos, screen.pictures[11].find("Choose a date")) << screen.pictures[11];
  EXPECT_EQ("", written);
}

}  // namespace
