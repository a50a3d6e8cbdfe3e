// Tests of replaying demo scripts on the form: the pictures after each
// line, message boxes answered by the lines that follow, and bad lines.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "datepicker/calendar_test_support.h"
#include "demo/DemoSearchForm.h"
#include "demo/ScriptPlayer.h"
#include "demo/WindowStack.h"

namespace {

using calendar_test::Find;
using Strings = std::vector<std::string>;

// The output cut at its "== " headers: the headers and the pictures below them.
std::pair<Strings, Strings> Snapshots(const std::string& output) {
  std::pair<Strings, Strings> snapshots;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("== ")) {
      snapshots.first.push_back(line.substr(3));
      snapshots.second.emplace_back();
    } else if (!snapshots.second.empty()) {
      snapshots.second.back() += line + "\n";
    }
  }
  return snapshots;
}

bool Holds(const std::string& picture, const char* text) {
  return picture.find(text) != std::string::npos;
}

class ScriptPlayerTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    NewForm();
  }
  void NewForm() {
    form.reset();
    VOKCommand::FlushDelayedDestructions();
    form = std::make_unique<vok_demo::DemoSearchForm>();
    form->SetVisibility(VOKDlgVisibility::Shown);
    out.str("");
    errors.str("");
  }
  void TearDown() override {
    form.reset();
    HostFixture::TearDown();
  }

  int Play(Strings lines) {
    return vok_demo::ScriptPlayer(*form, std::move(lines), out, errors).Play();
  }
  std::string Field() { return Find<VOKDlgEditor>(*form, "_calEditor")->GetText().ToUtf8(); }

  std::unique_ptr<vok_demo::DemoSearchForm> form;
  std::ostringstream out;
  std::ostringstream errors;
};

// Typed into the month list, a month's name chooses it: the grid shows
// that month and OK writes it.
TEST_F(ScriptPlayerTest, AMonthTypedIntoTheListIsTheMonthOKWrites) {
  EXPECT_EQ(0, Play({"press _calButton", "type MonthCombo february", "press 20", "ok"}));
  const Strings pictures = Snapshots(out.str()).second;
  EXPECT_TRUE(Holds(pictures[2], "February   ▾")) << pictures[2];
  EXPECT_TRUE(Holds(pictures[2], "[28]")) << pictures[2];
  EXPECT_FALSE(Holds(pictures[2], "[29]")) << pictures[2];
  EXPECT_EQ("02/20/2026", Field());
}

TEST_F(ScriptPlayerTest, ALineThatCannotBeCarriedOutStopsTheRun) {
  const struct {
    Strings lines;
    std::size_t pictures;  // start and the lines before the bad one
    std::string error;     // after "vok_demo: script line "
  } rows[] = {
      {{"press Nowhere"},
       1,
       R"(1 (press Nowhere): no button "Nowhere" in the window "Find documents")"},
      {{"# comment", "jump", "ok"},
       1,
       "2 (jump): unknown action \"jump\" (expected press, type, choose, step, ok, cancel or "
       "close)"},
      {{"press _calButton", "press 4"},
       2,
       "2 (press 4): the button \"4\" cannot be pressed: it is hidden or greyed out"},
      {{"press _calButton", "choose MonthCombo 13"},
       2,
       "2 (choose MonthCombo 13): the combo \"MonthCombo\" has no line \"13\" (give a line's "
       "text or a number from 1 to 12)"},
      {{"press _calButton", "type MonthCombo Dec"},
       2,
       R"(2 (type MonthCombo Dec): the list "MonthCombo" has no line "Dec")"},
      {{"press _calButton", "press Search"},
       2,
       R"(2 (press Search): no button "Search" in the window "Choose a date")"},
      {{"type Search now"},
       1,
       "1 (type Search now): no editor, combo or spinner \"Search\" in the window \"Find "
       "documents\""},
      {{"ok"}, 1, "1 (ok): the window \"Find documents\" has no OK button"},
      {{"close", "press Search"}, 2, "2 (press Search): no window is shown"},
      {{"press _calButton", "type YearSpinner 1900", "cancel"},
       3,
       "3 (cancel): the message box \"Invalid year\" has only OK: answer it with ok or close"},
      {{"press _calButton", "type YearSpinner 1900", "press 3"},
       3,
       R"(3 (press 3): no button "3" in the window "Invalid year")"},
  };
  for (const auto& row : rows) {
    NewForm();
    EXPECT_EQ(1, Play(row.lines)) << row.error;
    EXPECT_EQ("vok_demo: script line " + row.error + "\n", errors.str());
    EXPECT_EQ(row.pictures, Snapshots(out.str()).first.size()) << row.error;
  }
}

TEST_F(ScriptPlayerTest, AFailedLineInsideABoxAnswersItAndStops) {
  EXPECT_EQ(1, Play({"press _calButton", "type YearSpinner 1900", "bogus", "press 9"}));
  EXPECT_EQ((Strings{"start", "line 1: press _calButton", "line 2: type YearSpinner 1900"}),
            Snapshots(out.str()).first);
  EXPECT_EQ("", Field());
}

TEST_F(ScriptPlayerTest, TheEndOfTheScriptAnswersAnOpenBoxAndGivesBoxesBack) {
  EXPECT_EQ(0, Play({"press _calButton", "type YearSpinner 2039"}));
  const Strings pictures = Snapshots(out.str()).second;
  ASSERT_EQ(3u, pictures.size());
  EXPECT_TRUE(Holds(pictures[2], "Invalid year"));
  auto* calendar = dynamic_cast<VOKQELNavCalendarUI*>(VOKDlgUser::TopWindow(*form));
  ASSERT_NE(nullptr, calendar);
  EXPECT_EQ("2026-12-04", calendar_test::Shown(*calendar));
  // Later boxes go to the fixture's responder again.
  ASSERT_TRUE(VOKDlgUser::PressOK(calendar));
  ASSERT_TRUE(VOKDlgUser::Type(Find<VOKDlgEditor>(*form, "_calEditor"), "bad"));
  ASSERT_TRUE(VOKDlgUser::Press(Find<VOKDlgPushButton>(*form, "Search")));
  ASSERT_EQ(1u, boxes.size());
  EXPECT_EQ("Invalid date", boxes[0].title);
}

TEST(ScriptPlayerLinesTest, HoldsActionsWhenAnyLineIsNotBlankOrComment) {
  EXPECT_FALSE(vok_demo::HoldsActions({}));
  EXPECT_FALSE(vok_demo::HoldsActions({"", "  ", "# nothing to do"}));
  EXPECT_TRUE(vok_demo::HoldsActions({"# open it", "press _calButton"}));
  // A bad line counts, so that it is reported rather than ignored.
  EXPECT_TRUE(vok_demo::HoldsActions({"frobnicate"}));
}

}  // namespace
