// The session's record of what a person did: one action-script line per
// user action, handed over before the action reaches the widgets, and
// names and texts written so that they read back as they were.
#include <gtest/gtest.h>

#include "dialog_toolkit/VOKDlgNotify.h"
#include "front_end/session/VOKScriptText.h"
#include "host/FrontEndScriptScreen.h"
#include "host/FrontEndTestSupport.h"
#include "host/ToolkitTestSupport.h"

namespace {

// A form with a field, a month list, a year spinner and a button whose
// press brings up a message box; the record and the user actions share
// one log, so that their order shows.
class FrontEndRecorderTest : public ToolkitTest {
 protected:
  FrontEndRecorderTest() {
    form = std::make_unique<VOKDlgDialog>(nullptr, "Form", frontend_test::kFormStyle);
    form->SetTitle("Form");
    editor = new VOKDlgEditor(form.get(), "Full name", 0);
    auto* combo = new VOKDlgCombo(form.get(), "Month", 0);
    for (const char* month : {"January", "February", "February", ""}) combo->SetLine(month, -1, 64);
    combo->SetSelect(0, 1);
    auto* spinner = new VOKDlgSpinner(form.get(), "Year", VOKDlgStyle::Editable);
    spinner->SetVisibleTextWidth(4);
    spinner->SetCurrentText("2025", 0);
    auto* go = new VOKDlgPushButton(form.get(), "Go", 0);
    go->SetTitle("Go on");
    form->SetHorizontalAttachment(1, 1, editor, nullptr);
    form->SetHorizontalAttachment(2, 1, combo, spinner, go, nullptr);
    user = std::make_unique<Recorder>(&log, "user");
    user->Listen(editor, editor->GetEditModifyNotification(), "Name");
    user->Listen(go, go->GetPushBActivateNotification(), "Go");
    user->Listen(form.get(), form->GetDiaOKNotification(), "Form");
    user->action = [this] {
      if (log.back() != "user VOKDlgPushBActivateNotification Go") return;
      auto* box = new VOKDlgNotify(form.get(), "Box", VOKDlgStyle::ErrorBox);
      box->DisplayBlocked("Really?", "Question");
      box->RequestDelayedDestruction();
    };
    screen.recorder = [this](const std::string& line) { log.push_back(line); };
  }

  Log log;
  std::unique_ptr<Recorder> user;
  std::unique_ptr<VOKDlgDialog> form;
  VOKDlgEditor* editor = nullptr;
  ScriptScreen screen;
};

// Up on a list combo goes to the line before; the second "February" is
// named by its number, as its text names the first; so is the empty line.
TEST_F(FrontEndRecorderTest, EachActionIsALineHandedOverBeforeTheActionIsTaken) {
  screen.Play(*form, Join({Typed("Ann \"Lee\""),
                           {Key(VOKKey::Tab), Key(VOKKey::Down), Key(VOKKey::Down),
                            Key(VOKKey::Down), Key(VOKKey::Up), Key(VOKKey::Tab), Key(VOKKey::Up),
                            Key(VOKKey::Tab), Key(VOKKey::Enter), Key(VOKKey::Enter),
                            Key(VOKKey::Tab), Key(VOKKey::Enter)}}));
  EXPECT_EQ((Log{"type \"Full name\" Ann \"Lee\"", "user VOKDlgEditModifyNotification Name",
                 "choose Month February", "choose Month 3", "choose Month 4", "choose Month 3",
                 "step Year up", "press Go", "user VOKDlgPushBActivateNotification Go", "ok", "ok",
                 "user VOKDlgDiaOKNotification Form"}),
            log);
}

TEST_F(FrontEndRecorderTest, TextsThatWouldNotReadBackBareAreQuoted) {
  editor->SetText("old", 0);
  const std::vector<Step> away = {Key(VOKKey::Tab), Key(VOKKey::BackTab)};
  screen.Play(*form, Join({away,
                           {Key(VOKKey::Backspace)},
                           away,
                           Typed(" two  blanks "),
                           {Key(VOKKey::Enter), Key(VOKKey::Escape)}}));
  EXPECT_EQ((Log{"type \"Full name\" \"\"", "user VOKDlgEditModifyNotification Name",
                 "type \"Full name\" \" two  blanks \"", "user VOKDlgEditModifyNotification Name",
                 "cancel"}),
            log);
}

// The day buttons of a calendar are named by the day they show, not by
// their cell; the close control is "close".
TEST(FrontEndCalendarRecordTest, DaysAreNamedByTheirLabels) {
  std::unique_ptr<VOKDlgDialog> calendar(frontend_test::BuildCalendar(nullptr, 3, 10));
  ScriptScreen screen;
  Log lines;
  screen.recorder = [&](const std::string& line) { lines.push_back(line); };
  screen.Play(*calendar, Join({{ClickOn("[ 4]"), Key(VOKKey::Right), Key(VOKKey::PageDown),
                                Key(VOKKey::ShiftPageUp), ClickOn(" x ─┐", 1)}}));
  EXPECT_EQ((Log{"press 4", "press 5", "choose MonthCombo July", "step YearSpinner down", "close"}),
            lines);
}

TEST(ScriptTextTest, QuotedTextsReadBackAsTheyWere) {
  for (const std::string text : {"", " lead", "trail\t", "\"quoted\"", "back\\slash", "a\nb\rc",
                                 "in \"side\"", "plain text", "\xE0\xB8\x9E.\xE0\xB8\xA8. 2568"}) {
    const std::string quoted = vok::session::QuoteText(text);
    if (quoted.front() != '"') {
      EXPECT_EQ(text, quoted);
      continue;
    }
    const auto read = vok::session::ReadQuoted(quoted);
    ASSERT_TRUE(read.has_value()) << quoted;
    EXPECT_EQ(text, read->text) << quoted;
    EXPECT_EQ("", read->rest) << quoted;
  }
  EXPECT_EQ("\"a b\"", vok::session::QuoteWord("a b"));
  EXPECT_EQ("a\"b", vok::session::QuoteWord("a\"b"));
  EXPECT_EQ("\"\\t\"", vok::session::QuoteText("\t"));
  EXPECT_FALSE(vok::session::ReadQuoted("\"open").has_value());
  EXPECT_FALSE(vok::session::ReadQuoted("\"bad \\x\"").has_value());
  EXPECT_FALSE(vok::session::ReadQuoted("\"ends in \\").has_value());
  EXPECT_EQ(" rest", vok::session::ReadQuoted("\"a\" rest")->rest);
}

}  // namespace
