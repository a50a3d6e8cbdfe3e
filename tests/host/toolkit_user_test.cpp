// User actions and the blocking message box. (What each action sends, and
// in which state, the module's tests see through every calendar.)
#include <memory>

#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "host/ToolkitTestSupport.h"

namespace {

using Log = std::vector<std::string>;
using namespace VOKDlgStyle;

class UserTest : public ToolkitTest {
 protected:
  UserTest() { window->SetVisibility(VOKDlgVisibility::Shown); }

  Log log;
  std::unique_ptr<VOKDlgDialog> window =
      std::make_unique<VOKDlgDialog>(nullptr, "Window", OKButton | CancelButton | CloseControl);
  std::unique_ptr<Recorder> recorder = std::make_unique<Recorder>(&log, "user");
};

// Without FreeText the field never shows text that is no line of the list:
// typing names a line (case aside) and chooses it as a pick from the list.
TEST_F(UserTest, TypingIntoAListComboChoosesTheLineItNames) {
  auto* combo = new VOKDlgCombo(window.get(), "Combo", Editable);
  for (const char* month : {"Januar", "Februar", "März"}) combo->SetLine(month, -1, 64);
  combo->SetSelect(0, 1);
  recorder->Listen(combo, combo->GetComboSelectNotification());
  recorder->Listen(combo, combo->GetComboModifyNotification());

  EXPECT_TRUE(VOKDlgUser::Type(combo, "MÄRZ"));
  EXPECT_FALSE(VOKDlgUser::Type(combo, "Dezember"));
  EXPECT_FALSE(VOKDlgUser::Type(combo, "Feb"));

  EXPECT_EQ(Log{"user VOKDlgComboSelectNotification -"}, log);
  EXPECT_EQ(2, combo->GetSelect());
  VOKUnicodeString field;
  combo->GetField(field);
  EXPECT_EQ("März", field.ToUtf8());
  EXPECT_EQ(1, combo->FindLineStartingWith("feb"));
  EXPECT_EQ(-1, combo->FindLineStartingWith("x"));
}

TEST_F(UserTest, ActionsTheUserCannotTakeDoNothing) {
  auto* plainDialog = new VOKDlgDialog(window.get(), "Plain", 0);
  plainDialog->SetVisibility(VOKDlgVisibility::Shown);
  auto* combo = new VOKDlgCombo(window.get(), "Combo", 0);
  auto* spinner = new VOKDlgSpinner(window.get(), "Spinner", 0);
  auto* button = new VOKDlgPushButton(window.get(), "Button", 0);
  combo->SetLine("only", -1, 64);
  spinner->SetCurrentText("5", 0);
  std::vector<VOKCommand*> sent;
  VOKCommand::SetSendListener(
      [&](VOKCommand* sender, VOKCommand*, VOKNotification*) { sent.push_back(sender); });

  EXPECT_FALSE(VOKDlgUser::Type(combo, "x")) << "combo not editable";
  EXPECT_FALSE(VOKDlgUser::Type(spinner, "9")) << "spinner not editable";
  EXPECT_FALSE(VOKDlgUser::Choose(combo, 1)) << "no such line";
  EXPECT_FALSE(VOKDlgUser::PressOK(plainDialog));
  EXPECT_FALSE(VOKDlgUser::PressCancel(plainDialog));
  EXPECT_FALSE(VOKDlgUser::Close(plainDialog));
  button->SetSensitivity(VOKDlgSensitivity::Greyed);
  EXPECT_FALSE(VOKDlgUser::Press(button));
  window->SetVisibility(VOKDlgVisibility::Hidden);
  EXPECT_FALSE(VOKDlgUser::StepUp(spinner));
  EXPECT_FALSE(VOKDlgUser::PressOK(window.get()));
  EXPECT_FALSE(VOKDlgUser::Press(nullptr));

  EXPECT_TRUE(sent.empty());
  EXPECT_EQ("5", spinner->GetCurrentText().ToUtf8());
  EXPECT_EQ(-1, combo->GetSelect());
}

using ModalTest = ToolkitTest;

TEST_F(ModalTest, ResponderAnswersWhileTheBoxIsShownAndDestructionsWait) {
  Log seen;
  auto* box = new VOKDlgNotify(nullptr, "Box", ErrorBox);
  VOKDlgNotify::SetResponder(
      [&](VOKDlgNotify& shown, const VOKUnicodeString& message, const VOKUnicodeString& title) {
        seen.push_back(title.ToUtf8() + "|" + message.ToUtf8());
        EXPECT_EQ(VOKDlgVisibility::Shown, shown.GetVisibility());
        EXPECT_EQ("Invalid year", shown.GetTitle().ToUtf8());
        EXPECT_TRUE(VOKCommand::InDispatch());
        shown.RequestDelayedDestruction();
        return 7;
      });
  const long live = VOKBaseUnknown::LiveObjects();
  EXPECT_EQ(7, box->DisplayBlocked("Year 1900 is out of range", "Invalid year"));
  EXPECT_EQ((Log{"Invalid year|Year 1900 is out of range"}), seen);
  EXPECT_LT(VOKBaseUnknown::LiveObjects(), live) << "the box went once it was answered";
}

TEST_F(ModalTest, DefaultResponderWritesTitleAndMessageToStderr) {
  VOKDlgNotify box(nullptr, "Box", ErrorBox);
  testing::internal::CaptureStderr();
  box.DisplayBlocked("Something failed", "Error");
  EXPECT_EQ("Error: Something failed\n", testing::internal::GetCapturedStderr());
  EXPECT_EQ("Something failed", box.GetMessage().ToUtf8());
  EXPECT_EQ(VOKDlgVisibility::Hidden, box.GetVisibility());
}

}  // namespace
