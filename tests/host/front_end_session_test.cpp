// The interactive session driven by keys and clicks: where the focus goes,
// which user actions reach the widgets and in what order, typed text handed
// over once, open combo lists, and message boxes answered in a nested loop.
#include <gtest/gtest.h>

#include "dialog_toolkit/VOKDlgNotify.h"
#include "host/FrontEndScriptScreen.h"
#include "host/FrontEndTestSupport.h"
#include "host/ToolkitTestSupport.h"

namespace {

const std::string kGo = "user VOKDlgPushBActivateNotification Go";
const std::string kOK = "user VOKDlgDiaOKNotification Form";
const std::string kCancel = "user VOKDlgDiaCANCELNotification Form";
const std::string kMonth = "user VOKDlgComboSelectNotification Month";
const std::string kUp = "user VOKDlgSpinnerBtnUpNotification Year";
const std::string kDown = "user VOKDlgSpinnerBtnDownNotification Year";
const std::string kName = "user VOKDlgEditModifyNotification Name";
const std::string kOpen = "user VOKDlgPushBActivateNotification Open";

class FrontEndSessionTest : public ToolkitTest {
 protected:
  FrontEndSessionTest() {
    form = std::make_unique<VOKDlgDialog>(nullptr, "Form", frontend_test::kFormStyle);
    form->SetTitle("Form");
    user = std::make_unique<Recorder>(&log, "user");
    auto* label = new VOKDlgLabel(form.get(), "NameLabel", 0);
    label->SetTitle("Name:");
    editor = new VOKDlgEditor(form.get(), "Name", 0);
    combo = new VOKDlgCombo(form.get(), "Month", 0);
    for (const char* month : {"January", "February", "March"}) combo->SetLine(month, -1, 64);
    combo->SetSelect(0, 1);
    spinner = new VOKDlgSpinner(form.get(), "Year", VOKDlgStyle::Editable);
    spinner->SetVisibleTextWidth(4);
    spinner->SetCurrentText("2025", 0);
    go = Button("Go");
    Button("Off")->SetSensitivity(VOKDlgSensitivity::Greyed);
    Button("Gone")->SetVisibility(VOKDlgVisibility::Hidden);
    open = Button("Open");
    form->SetHorizontalAttachment(1, 1, label, editor, nullptr);
    form->SetHorizontalAttachment(2, 1, combo, spinner, nullptr);
    form->SetHorizontalAttachment(3, 1, go, form->GetChild("Off"), form->GetChild("Gone"), open,
                                  nullptr);
    user->Listen(editor, editor->GetEditModifyNotification(), "Name");
    user->Listen(combo, combo->GetComboSelectNotification(), "Month");
    user->Listen(spinner, spinner->GetSpinnerBtnUpNotification(), "Year");
    user->Listen(spinner, spinner->GetSpinnerBtnDownNotification(), "Year");
    user->Listen(spinner, spinner->GetSpinnerModifyNotification(), "Year");
    user->Listen(go, go->GetPushBActivateNotification(), "Go");
    user->Listen(form.get(), form->GetDiaOKNotification(), "Form");
    user->Listen(form.get(), form->GetDiaCANCELNotification(), "Form");
    user->Listen(form.get(), form->GetWindCloseNotification(), "Form");
  }

  VOKDlgPushButton* Button(const char* name) {
    auto* button = new VOKDlgPushButton(form.get(), name, 0);
    button->SetTitle(name);
    return button;
  }

  void Run(std::vector<Step> steps) { screen.Play(*form, std::move(steps)); }

  static std::vector<Step> Tabs(int count) { return std::vector<Step>(count, Key(VOKKey::Tab)); }

  Log log;
  std::unique_ptr<Recorder> user;
  std::unique_ptr<VOKDlgDialog> form;
  VOKDlgEditor* editor = nullptr;
  VOKDlgCombo* combo = nullptr;
  VOKDlgSpinner* spinner = nullptr;
  VOKDlgPushButton* go = nullptr;
  VOKDlgPushButton* open = nullptr;
  ScriptScreen screen;
};

TEST_F(FrontEndSessionTest, RunEndsWhenTheRootIsHidden) {
  user->action = [this] { form->SetVisibility(VOKDlgVisibility::Hidden); };
  Run({Key(VOKKey::Escape), Key(VOKKey::Tab)});
  EXPECT_EQ(Log{kCancel}, log);
  EXPECT_EQ(1u, screen.pictures.size());  // nothing is drawn after it, the Tab is never read
}

TEST_F(FrontEndSessionTest, EnterAndBlankPressTheFocusedButtonAndTheWindowsOwnButtons) {
  Run(Join({Tabs(3),
            {Key(VOKKey::Enter), VOKInputEvent::Typed(U' ')},
            Tabs(2),
            {Key(VOKKey::Enter), Key(VOKKey::Tab), VOKInputEvent::Typed(U' ')}}));
  EXPECT_EQ((Log{kGo, kGo, kOK, kCancel}), log);
}

TEST_F(FrontEndSessionTest, TypedTextIsHandedOverOnceWhenTheFieldIsLeft) {
  std::string pictureWhileTyping;
  Log logWhileTyping;
  screen.beforeEvent = [&](std::size_t next) {
    if (next != 12) return;
    pictureWhileTyping = screen.pictures.back();
    logWhileTyping = log;
  };
  Run(Join({Tabs(2),
            {Key(VOKKey::End), Key(VOKKey::Backspace), Key(VOKKey::Backspace),
             Key(VOKKey::Backspace), Key(VOKKey::Left)},
            Typed("0"),
            {Key(VOKKey::Backspace), Key(VOKKey::End)},
            Typed("30"),
            Tabs(2)}));
  EXPECT_TRUE(logWhileTyping.empty());
  EXPECT_NE(std::string::npos, pictureWhileTyping.find("230_ ▴▾")) << pictureWhileTyping;
  EXPECT_EQ(Log{"user VOKDlgSpinnerModifyNotification Year"}, log);
  EXPECT_EQ("230", spinner->GetCurrentText().ToUtf8());
}

// Entering a filled field selects its text: typing replaces it, Backspace
// erases it, a cursor key ends the selection; Ctrl-U erases up to the cursor.
TEST_F(FrontEndSessionTest, EnteringAFilledFieldSelectsItsTextAsALineEditorDoes) {
  std::vector<std::string> typed;
  user->action = [&] { typed.push_back(spinner->GetCurrentText().ToUtf8()); };
  const std::vector<Step> away = {Key(VOKKey::Tab), Key(VOKKey::BackTab)};
  Run(Join({Tabs(2),
            Typed("1999"),
            away,
            {Key(VOKKey::Backspace)},
            Typed("2001"),
            away,
            {Key(VOKKey::Home)},
            Typed("1"),
            {Key(VOKKey::End), Key(VOKKey::EraseToStart)},
            Typed("7"),
            {Key(VOKKey::Enter)},
            Typed("12"),
            {Key(VOKKey::Left), Key(VOKKey::EraseToStart), Key(VOKKey::Enter)}}));
  EXPECT_EQ((std::vector<std::string>{"1999", "2001", "7", "2"}), typed);
}

// The handler of the typed text refuses it with a message box: the click or
// key that left the field is not carried out once the box is answered, and
// the field's text is selected to be typed over.
TEST_F(FrontEndSessionTest, TextRefusedWithAMessageBoxCancelsTheActionThatLeftTheField) {
  const std::string kTyped = "user VOKDlgSpinnerModifyNotification Year";
  user->action = [&] {
    if (log.back() != kTyped) return;
    auto* box = new VOKDlgNotify(form.get(), "Box", VOKDlgStyle::ErrorBox);
    box->DisplayBlocked("No such year", "Year");
    box->RequestDelayedDestruction();
    spinner->SetCurrentText("2025", 0);
  };
  Run(Join({Tabs(2),
            Typed("2099"),
            {ClickOn("[OK]"), Key(VOKKey::Enter)},
            Typed("2098"),
            {Key(VOKKey::Tab), Key(VOKKey::Enter)},
            Typed("2097"),
            {Key(VOKKey::Down), Key(VOKKey::Enter)}}));
  EXPECT_EQ((Log{kTyped, kTyped, kTyped}), log);
  EXPECT_EQ("Year", screen.focusNames.back());
  EXPECT_EQ("2025", spinner->GetCurrentText().ToUtf8());
}

TEST_F(FrontEndSessionTest, EnterHandsTypedTextOverAndUnchangedTextSendsNothing) {
  Run(Join({Typed("Ann"),
            {Key(VOKKey::Enter)},
            {Key(VOKKey::Left), Key(VOKKey::Right), Key(VOKKey::Tab)}}));
  EXPECT_EQ(Log{kName}, log);
  EXPECT_EQ("Ann", editor->GetText().ToUtf8());
}

TEST_F(FrontEndSessionTest, EscapeDropsTypedTextFirstThenCancelsTheDialog) {
  Run(Join({Typed("Ann"), {Key(VOKKey::Escape)}, {Key(VOKKey::Escape)}}));
  EXPECT_EQ("", editor->GetText().ToUtf8());
  EXPECT_EQ(Log{kCancel}, log);
}

TEST_F(FrontEndSessionTest, TheCursorStandsAfterTheTypedText) {
  Run(Typed("Zoë"));
  const VOKCellPoint field = screen.Where("Zoë");
  ASSERT_TRUE(screen.cursor.has_value());
  EXPECT_EQ((VOKCellPoint{field.x + 3, field.y}), *screen.cursor);
}

TEST_F(FrontEndSessionTest, UpAndDownStepTheSpinnerAndTheCombo) {
  Run({Key(VOKKey::Tab), Key(VOKKey::Tab), Key(VOKKey::Up), Key(VOKKey::Down), Key(VOKKey::BackTab),
       Key(VOKKey::Down), Key(VOKKey::Down), Key(VOKKey::Down), Key(VOKKey::Up)});
  EXPECT_EQ((Log{kUp, kDown, kMonth, kMonth, kMonth}), log);
  EXPECT_EQ(1, combo->GetSelect());
  EXPECT_EQ("2025", spinner->GetCurrentText().ToUtf8());  // the spinner never steps by itself
}

TEST_F(FrontEndSessionTest, EnterOpensTheComboListWhereEnterChoosesAndEscapeOnlyCloses) {
  std::string openList;
  screen.beforeEvent = [&](std::size_t next) {
    if (next == 2) openList = screen.pictures.back();
  };
  Run({Key(VOKKey::Tab), Key(VOKKey::Enter), Key(VOKKey::Down), Key(VOKKey::Down),
       Key(VOKKey::Enter), Key(VOKKey::Enter), Key(VOKKey::Up), Key(VOKKey::Escape)});
  EXPECT_NE(std::string::npos, openList.find("│January │")) << openList;
  EXPECT_NE(std::string::npos, openList.find("│February│")) << openList;
  EXPECT_EQ(Log{kMonth}, log);
  EXPECT_EQ(2, combo->GetSelect());
  EXPECT_EQ("Month", screen.focusNames.back());
  EXPECT_FALSE(screen.Shows("│February│"));
}

TEST_F(FrontEndSessionTest, ClicksPressButtonsStepOnTheArrowsAndCloseOnTheCross) {
  Run({ClickOn("[Go]"), ClickOn("▴▾"), ClickOn("▴▾", 1), ClickOn("›Off‹"), ClickOn("[OK]"),
       ClickOn(" x ─┐", 1)});
  EXPECT_EQ((Log{kGo, kUp, kDown, kOK, "user VOKDlgWindCloseNotification Form"}), log);
}

TEST_F(FrontEndSessionTest, AClickOpensTheComboAndAnotherChoosesALine) {
  // A click beside the open list only closes it.
  Run({ClickOn("January"), ClickOn("March"), ClickOn("[Go]"), ClickOn("March"), ClickOn("Name:"),
       ClickOn("[Go]")});
  EXPECT_EQ((Log{kMonth, kGo, kGo}), log);
  EXPECT_EQ(2, combo->GetSelect());
}

TEST_F(FrontEndSessionTest, AMessageBoxRunsANestedLoopAndBlocksEverythingUnderIt) {
  Log focusInBox;
  user->action = [&] {
    if (log.back() != kGo) return;
    auto* box = new VOKDlgNotify(form.get(), "Box", VOKDlgStyle::ErrorBox);
    box->DisplayBlocked("Really?", "Question");
    log.push_back("answered");
    box->RequestDelayedDestruction();
  };
  screen.beforeEvent = [&](std::size_t next) {
    if (next >= 4 && next <= 6) focusInBox.push_back(screen.focusNames.back());
  };
  Run(Join({Tabs(3),
            {Key(VOKKey::Enter), Key(VOKKey::Tab), ClickOn(" x ─┐", 1), Key(VOKKey::Enter),
             Key(VOKKey::Tab)}}));
  EXPECT_EQ((Log{"OK", "OK", "OK"}), focusInBox);
  EXPECT_EQ((Log{kGo, "answered"}), log);
  EXPECT_EQ("Open", screen.focusNames.back());  // back on the form, where the focus was
  EXPECT_FALSE(screen.Shows("Question"));
}

// "Open" shows a small window over the form; its close control hides it.
TEST_F(FrontEndSessionTest, ClicksReachTheWindowBelowThroughAModelessWindow) {
  const std::string kClose = "user VOKDlgWindCloseNotification Popup";
  auto* popup =
      new VOKDlgWindow(form.get(), "Popup", VOKDlgStyle::Modeless | VOKDlgStyle::CloseControl);
  (new VOKDlgLabel(popup, "text", 0))->SetTitle("hi");
  user->Listen(open, open->GetPushBActivateNotification(), "Open");
  user->Listen(popup, popup->GetWindCloseNotification(), "Popup");
  user->action = [popup, &kClose, this] {
    if (log.back() == kOpen) popup->SetVisibility(VOKDlgVisibility::Shown);
    if (log.back() == kClose) popup->SetVisibility(VOKDlgVisibility::Hidden);
  };
  Run({ClickOn("[Open]"), ClickOn("[Go]"), Key(VOKKey::Escape), Key(VOKKey::Tab)});
  EXPECT_EQ((Log{kOpen, kGo, kClose}), log);
  EXPECT_EQ("OK", screen.focusNames.back());  // the form kept its focus on Open
}

}  // namespace
