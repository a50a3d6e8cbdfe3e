// The widgets: the tree (what the module's tests do not reach of ownership,
// lookup and copies), combo lines and selection, spinner formats, user
// actions and the blocking message box. (What each action sends, and in
// which state, the module's tests see through every calendar.)
#include <memory>

#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "host/ToolkitTestSupport.h"

namespace {

using WidgetsTest = ToolkitTest;

TEST_F(WidgetsTest, StackChildIsDetachedNotDeleted) {
  auto* frame = new VOKDlgFrame(nullptr, "Frame", 0);
  VOKDlgLabel label(frame, "OnStack", 0);
  delete frame;
  EXPECT_EQ(nullptr, label.GetParent());
}

TEST_F(WidgetsTest, LookupByNameIsDepthFirst) {
  VOKDlgDialog window(nullptr, "Window", 0);
  auto* top = new VOKDlgFrame(&window, "Top", 0);
  auto* deep = new VOKDlgLabel(top, "Same", 0);
  auto* late = new VOKDlgLabel(&window, "Same", 0);
  EXPECT_EQ(late, window.GetChild("Same"));
  EXPECT_EQ(deep, window.FindDescendant("Same"));
  EXPECT_EQ(top, window.GetChild("Top"));
  EXPECT_EQ(nullptr, window.GetChild("Missing"));
  EXPECT_EQ(nullptr, window.FindDescendant("Window"));
  EXPECT_EQ(&window, deep->GetWindow());
}

TEST_F(WidgetsTest, CopyJoinsTheSameParentWithoutChildren) {
  VOKDlgDialog host(nullptr, "Host", 0);
  VOKDlgFrame original(&host, "Original", 0x80001);
  new VOKDlgLabel(&original, "Child", 0);
  original.SetShortHelp("help");
  {
    VOKDlgFrame copy(original);  // NOLINT(performance-unnecessary-copy-initialization)
    EXPECT_EQ("Original", copy.GetName());
    EXPECT_EQ(0x80001u, copy.GetStyle());
    EXPECT_EQ("help", copy.GetShortHelp().ToUtf8());
    EXPECT_TRUE(copy.GetChildren().empty());
    EXPECT_EQ(2u, host.GetChildren().size());
  }
  EXPECT_EQ(1u, host.GetChildren().size());
  VOKDlgFrame other(nullptr, "Other", 0);
  other.SetTitle("Other title");
  original = other;
  EXPECT_EQ("Original", original.GetName());
  EXPECT_EQ("Other title", original.GetTitle().ToUtf8());
  EXPECT_EQ(1u, original.GetChildren().size());
}

std::vector<std::string> linesOf(const VOKDlgCombo& combo) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(combo.GetLineCount()));
  for (int i = 0; i < combo.GetLineCount(); ++i) lines.push_back(combo.GetLine(i).ToUtf8());
  return lines;
}

std::string fieldOf(const VOKDlgCombo& combo) {
  VOKUnicodeString field;
  combo.GetField(field);
  return field.ToUtf8();
}

TEST_F(WidgetsTest, ComboLinesInsertSelectAndClear) {
  VOKDlgCombo combo(nullptr, "Combo", 0);
  EXPECT_EQ(-1, combo.GetSelect());
  combo.SetLine("b", -1, 64);
  combo.SetLine("d", -1, 64);
  combo.SetSelect(1, 1);
  combo.SetLine("a", 0, 64);
  combo.SetLine("c", 2, 64);
  combo.SetLine("e", 99, 64);
  EXPECT_EQ((std::vector<std::string>{"a", "b", "c", "d", "e"}), linesOf(combo));
  EXPECT_EQ(3, combo.GetSelect()) << "the selection follows its line";
  EXPECT_EQ("d", fieldOf(combo));

  combo.SetSelect(5, 1);
  combo.SetSelect(-1, 1);
  EXPECT_EQ(3, combo.GetSelect());
  EXPECT_EQ("", combo.GetLine(5).ToUtf8());

  combo.SetField("typed");
  EXPECT_EQ("typed", fieldOf(combo));
  combo.ClearLines();
  EXPECT_EQ(0, combo.GetLineCount());
  EXPECT_EQ(-1, combo.GetSelect());
}

TEST_F(WidgetsTest, SpinnerFormatsAcceptOneNumericConversionOnly) {
  struct Row {
    const char* format;
    float value;
    const char* expected;  // text after SetCurrentValue; "%g" stays for refused formats
  };
  const Row rows[] = {
      {"%05d", 42.0f, "00042"},     {"%d", 2024.6f, "2025"}, {"Year %d %%", 7.0f, "Year 7 %"},
      {"%.2f", 1.5f, "1.50"},       {"%ld", -3.0f, "-3"},    {"%s", 1.0f, "1"},
      {"%d %d", 1.0f, "1"},         {"%*d", 1.0f, "1"},      {"%999d", 1.0f, "1"},
      {"no conversion", 1.0f, "1"}, {"%", 1.0f, "1"},
  };
  for (const Row& row : rows) {
    VOKDlgSpinner spinner(nullptr, "Spinner", 0);
    spinner.SetFormat(row.format);
    spinner.SetCurrentValue(row.value, 1);
    EXPECT_EQ(row.expected, spinner.GetCurrentText().ToUtf8()) << row.format;
  }
  VOKDlgSpinner spinner(nullptr, "Spinner", 0);
  spinner.SetFormat("%d");
  spinner.SetFormat(nullptr);
  spinner.SetFormat("%s");
  EXPECT_EQ("%d", spinner.GetFormat());
}

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

// What the person sees: the window on top is the last shown window in tree
// order, and a widget is found by its title only where the person can reach
// it, never inside a window opened above.
TEST_F(UserTest, TopWindowAndWidgetsByTheTextTheyShow) {
  auto* frame = new VOKDlgFrame(window.get(), "Frame", 0);
  auto* hidden = new VOKDlgPushButton(frame, "Hidden", 0);
  auto* greyed = new VOKDlgPushButton(frame, "Greyed", 0);
  auto* shown = new VOKDlgPushButton(window.get(), "Shown", 0);
  auto* label = new VOKDlgLabel(frame, "Label", 0);
  hidden->SetVisibility(VOKDlgVisibility::Hidden);
  for (VOKDialog* widget : {static_cast<VOKDialog*>(hidden), static_cast<VOKDialog*>(greyed),
                            static_cast<VOKDialog*>(shown)}) {
    widget->SetTitle("12");
  }
  greyed->SetSensitivity(VOKDlgSensitivity::Greyed);
  label->SetTitle("Year");
  auto* calendar = new VOKDlgDialog(frame, "Calendar", 0);
  auto* inCalendar = new VOKDlgPushButton(calendar, "Day", 0);
  inCalendar->SetTitle("Today");

  EXPECT_EQ(window.get(), VOKDlgUser::TopWindow(*window)) << "the calendar is hidden";
  EXPECT_EQ(shown, VOKDlgUser::FindShown(*window, "12")) << "not the hidden or greyed one";
  EXPECT_EQ(shown, VOKDlgUser::FindShown<VOKDlgPushButton>(*window, "12"));
  EXPECT_EQ(nullptr, VOKDlgUser::FindShown<VOKDlgLabel>(*window, "12"));
  EXPECT_EQ(label, VOKDlgUser::FindShown<VOKDlgLabel>(*window, "Year"));
  EXPECT_EQ(nullptr, VOKDlgUser::FindShown(*window, "Shown")) << "names are not shown";

  calendar->SetVisibility(VOKDlgVisibility::Shown);
  auto* box = new VOKDlgNotify(calendar, "Box", ErrorBox);
  box->SetVisibility(VOKDlgVisibility::Shown);
  auto* other = new VOKDlgDialog(window.get(), "Other", 0);
  EXPECT_EQ((std::vector<VOKDlgWindow*>{calendar, box}), VOKDlgUser::OpenWindows(*window));
  EXPECT_EQ(box, VOKDlgUser::TopWindow(*window));
  other->SetVisibility(VOKDlgVisibility::Shown);
  EXPECT_EQ(other, VOKDlgUser::TopWindow(*window)) << "later in the tree is higher";
  EXPECT_EQ(nullptr, VOKDlgUser::FindShown(*window, "Today")) << "the calendar is a window above";
  EXPECT_EQ(inCalendar, VOKDlgUser::FindShown(*calendar, "Today"));
  window->SetVisibility(VOKDlgVisibility::Hidden);
  EXPECT_EQ(nullptr, VOKDlgUser::TopWindow(*window));
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
