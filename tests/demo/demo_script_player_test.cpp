// Tests of replaying demo scripts on the form: the pictures after each
// line, message boxes answered by the lines that follow, and bad lines.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "DemoSearchForm.h"
#include "ScriptPlayer.h"
#include "WindowStack.h"
#include "module/calendar_test_support.h"

namespace {

using calendar_test::Find;

struct Snapshot {
  std::string header;
  std::string picture;
};

// The output cut at its "== " headers.
std::vector<Snapshot> Snapshots(const std::string& output) {
  std::vector<Snapshot> snapshots;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("== ")) {
      snapshots.push_back({line.substr(3), ""});
    } else if (!snapshots.empty()) {
      snapshots.back().picture += line + "\n";
    }
  }
  return snapshots;
}

std::vector<std::string> Headers(const std::vector<Snapshot>& snapshots) {
  std::vector<std::string> headers;
  for (const Snapshot& snapshot : snapshots) headers.push_back(snapshot.header);
  return headers;
}

class ScriptPlayerTest : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    NewForm();
  }
  // A fresh form and empty output.
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

  int Play(std::vector<std::string> lines) {
    vok_demo::ScriptPlayer player(*form, std::move(lines), out, errors);
    return player.Play();
  }
  std::string Field() { return Find<VOKDlgEditor>(*form, "_calEditor")->GetText().ToUtf8(); }

  std::unique_ptr<vok_demo::DemoSearchForm> form;
  std::ostringstream out;
  std::ostringstream errors;
};

TEST_F(ScriptPlayerTest, ABadYearShowsTheBoxUntilALineAnswersIt) {
  EXPECT_EQ(0, Play({"press _calButton", "type YearSpinner 2039", "ok", "press 9", "ok"}));
  EXPECT_EQ("", errors.str());
  const auto snapshots = Snapshots(out.str());
  EXPECT_EQ((std::vector<std::string>{"start", "line 1: press _calButton",
                                      "line 2: type YearSpinner 2039", "line 3: ok",
                                      "line 4: press 9", "line 5: ok"}),
            Headers(snapshots));
  ASSERT_EQ(6u, snapshots.size());
  // The box is drawn over the calendar while it waits for its answer.
  EXPECT_NE(std::string::npos, snapshots[2].picture.find("Invalid year"));
  EXPECT_NE(std::string::npos, snapshots[2].picture.find("\"2039\" is not a valid year."));
  EXPECT_NE(std::string::npos, snapshots[2].picture.find("Choose a date"));
  EXPECT_EQ(std::string::npos, snapshots[3].picture.find("Invalid year"));
  EXPECT_NE(std::string::npos, snapshots[3].picture.find("Choose a date"));
  // The spinner fell back on this year; the fixture's responder saw nothing.
  EXPECT_EQ("12/09/2026", Field());
  EXPECT_TRUE(boxes.empty());
}

TEST_F(ScriptPlayerTest, ALineThatCannotBeCarriedOutStopsTheRun) {
  const struct {
    std::vector<std::string> lines;
    std::size_t pictures;  // start and the lines before the bad one
    const char* error;
  } rows[] = {
      {{"press Nowhere"},
       1,
       "vok_demo: script line 1 (press Nowhere): no button \"Nowhere\" in the window \"Find "
       "documents\""},
      {{"# comment", "jump", "ok"},
       1,
       "vok_demo: script line 2 (jump): unknown action \"jump\" (expected press, type, choose, "
       "step, ok, cancel or close)"},
      {{"press _calButton", "press 4"},
       2,
       "vok_demo: script line 2 (press 4): the button \"4\" cannot be pressed: it is hidden or "
       "greyed out"},
      {{"press _calButton", "choose MonthCombo 13"},
       2,
       "vok_demo: script line 2 (choose MonthCombo 13): the combo \"MonthCombo\" has no line "
       "\"13\" (give a line's text or a number from 1 to 12)"},
      {{"press _calButton", "press Search"},
       2,
       "vok_demo: script line 2 (press Search): no button \"Search\" in the window \"Choose a "
       "date\""},
      {{"type Search now"},
       1,
       "vok_demo: script line 1 (type Search now): no editor, combo or spinner \"Search\" in the "
       "window \"Find documents\""},
      {{"step RecentDates up"},
       1,
       "vok_demo: script line 1 (step RecentDates up): no spinner \"RecentDates\" in the window "
       "\"Find documents\""},
      {{"ok"}, 1, "vok_demo: script line 1 (ok): the window \"Find documents\" has no OK button"},
      {{"cancel"},
       1,
       "vok_demo: script line 1 (cancel): the window \"Find documents\" has no Cancel button"},
      {{"close", "press Search"}, 2, "vok_demo: script line 2 (press Search): no window is shown"},
      {{"press _calButton", "type YearSpinner 1900", "cancel"},
       3,
       "vok_demo: script line 3 (cancel): the message box \"Invalid year\" has only OK: answer it "
       "with ok or close"},
      {{"press _calButton", "type YearSpinner 1900", "press 3"},
       3,
       "vok_demo: script line 3 (press 3): no button \"3\" in the window \"Invalid year\""},
  };
  for (const auto& row : rows) {
    NewForm();
    EXPECT_EQ(1, Play(row.lines)) << row.error;
    EXPECT_EQ(std::string(row.error) + "\n", errors.str());
    EXPECT_EQ(row.pictures, Snapshots(out.str()).size()) << row.error;
  }
}

TEST_F(ScriptPlayerTest, AFailedLineInsideABoxAnswersItAndStops) {
  EXPECT_EQ(1, Play({"press _calButton", "type YearSpinner 1900", "bogus", "press 9"}));
  const auto snapshots = Snapshots(out.str());
  EXPECT_EQ((std::vector<std::string>{"start", "line 1: press _calButton",
                                      "line 2: type YearSpinner 1900"}),
            Headers(snapshots));
  EXPECT_EQ("", Field());
}

TEST_F(ScriptPlayerTest, TheEndOfTheScriptAnswersAnOpenBox) {
  EXPECT_EQ(0, Play({"press _calButton", "type YearSpinner 2039"}));
  const auto snapshots = Snapshots(out.str());
  ASSERT_EQ(3u, snapshots.size());
  EXPECT_NE(std::string::npos, snapshots[2].picture.find("Invalid year"));
  auto* calendar = dynamic_cast<VOKQELNavCalendarUI*>(vok_demo::TopWindow(*form));
  ASSERT_NE(nullptr, calendar);
  EXPECT_EQ("2026-12-04", calendar_test::Shown(*calendar));
}

TEST_F(ScriptPlayerTest, GivesMessageBoxesBackWhenDone) {
  Play({"press _calButton", "ok"});
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
