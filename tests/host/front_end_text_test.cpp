// The text renderer: the marks that tell widgets' states apart and the
// stacking of windows opened on top (whole pictures of the real calendar
// and form are the demo's golden files).
#include <gtest/gtest.h>

#include "dialog_toolkit/VOKDlgNotify.h"
#include "front_end/layout/VOKWindowStack.h"
#include "front_end/paint/VOKTextRenderer.h"
#include "host/FrontEndTestSupport.h"
#include "host/ToolkitTestSupport.h"

using frontend_test::BuildCalendar;
using frontend_test::kFormStyle;

namespace {

class FrontEndTextTest : public ToolkitTest {
 protected:
  static std::vector<std::string> Names(const std::vector<VOKDlgWindow*>& windows) {
    std::vector<std::string> names;
    names.reserve(windows.size());
    for (const VOKDlgWindow* window : windows) names.push_back(window->GetName().str());
    return names;
  }
};

TEST_F(FrontEndTextTest, WidgetsShowTheirTextsAndStates) {
  VOKDlgWindow window(nullptr, "W", 0);
  window.SetTitle("States");
  auto* thai = new VOKDlgLabel(&window, "thai", 0);
  thai->SetTitle("วันอาทิตย์|");
  auto* hidden = new VOKDlgLabel(&window, "hidden", 0);
  hidden->SetTitle("never shown");
  hidden->SetVisibility(VOKDlgVisibility::Hidden);
  new VOKDlgEditor(&window, "empty", 0);
  auto* longText = new VOKDlgEditor(&window, "long", 0);
  longText->SetText("a text longer than the field", 0);
  auto* greyed = new VOKDlgPushButton(&window, "greyed", 0);
  greyed->SetTitle("Search");
  greyed->SetSensitivity(VOKDlgSensitivity::Greyed);
  auto* usable = new VOKDlgPushButton(&window, "usable", 0);
  usable->SetTitle("Search");
  auto* combo = new VOKDlgCombo(&window, "combo", 0);
  combo->SetLine("one", -1, 64);
  combo->SetLine("three", -1, 64);
  combo->SetSelect(0, 1);
  auto* spinner = new VOKDlgSpinner(&window, "spinner", VOKDlgStyle::Editable);
  spinner->SetVisibleTextWidth(6);
  spinner->SetCurrentText("42", 0);
  window.SetHorizontalAttachment(1, 1, greyed, usable, nullptr);
  window.SetHorizontalAttachment(2, 1, combo, spinner, nullptr);
  EXPECT_EQ(
      "┌─ States ──────────┐\n"
      "│ ›Search‹ [Search] │\n"
      "│ one   ▾ 42____ ▴▾ │\n"
      "│ วันอาทิตย์|          │\n"
      "│ ____________      │\n"
      "│ a text longe      │\n"
      "└───────────────────┘\n",
      VOKTextRenderer::Render(window));
}

TEST_F(FrontEndTextTest, WindowsOpenedOnTopStackInTreeOrderAndCoverTheirParents) {
  // The calendars hang on a field of the form, as the date frames' do.
  auto form = std::make_unique<VOKDlgDialog>(nullptr, "Form", kFormStyle);
  form->SetTitle("Find documents");
  form->SetVisibility(VOKDlgVisibility::Shown);
  auto* entry = new VOKDlgEditor(form.get(), "Created", 0);
  VOKDlgDialog* calendar = BuildCalendar(entry, 0, 18);
  calendar->SetVisibility(VOKDlgVisibility::Shown);
  auto* closedOne = BuildCalendar(entry, 0, 3);  // never shown
  auto* box = new VOKDlgNotify(calendar, "Error", VOKDlgStyle::ErrorBox);
  box->SetTitle("Invalid year");
  std::vector<std::string> shownOnBox;
  VOKDlgNotify::SetResponder([&](VOKDlgNotify&, const VOKUnicodeString&, const VOKUnicodeString&) {
    shownOnBox.push_back(VOKTextRenderer::Render(VOKWindowStack(*form)));
    return 1;
  });
  box->DisplayBlocked("\"1900\" is not a valid year.", "Invalid year");

  EXPECT_EQ((std::vector<std::string>{"Form", "Calendar0"}), Names(VOKWindowStack(*form)));
  EXPECT_NE(nullptr, closedOne);
  // The box stands over the calendar, which covers the form.
  ASSERT_EQ(1u, shownOnBox.size());
  EXPECT_NE(std::string::npos, shownOnBox[0].find("│ [│ \"1900\" is not a valid year. │7] │"))
      << shownOnBox[0];
  EXPECT_EQ(std::string::npos, shownOnBox[0].find("Find documents")) << shownOnBox[0];
}

}  // namespace
