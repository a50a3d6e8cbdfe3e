// A small dialog window built and used the way a host dialog would be:
// a year spinner, a month combo, a few day buttons, a label echoing the
// choice, and OK and Cancel answering the window.
#include <cstdio>

#include "ToolkitTestSupport.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgLabel.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSeparator.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "dialog_toolkit/VOKDlgUser.h"

namespace {

using namespace VOKDlgStyle;

class PickerWindow : public VOKDlgDialog {
 public:
  explicit PickerWindow(VOKDialog* parent)
      : VOKDlgDialog(parent, "Picker", OKButton | CancelButton | CloseControl | Modeless) {
    auto* top = new VOKDlgFrame(this, "Top", Placed);
    auto* rule = new VOKDlgSeparator(this, "Rule", 0);
    auto* days = new VOKDlgFrame(this, "Days", Placed | GridLayout);
    SetHorizontalAttachment(1, 5, top, nullptr);
    SetHorizontalAttachment(2, 1, rule, nullptr);
    SetHorizontalAttachment(3, 5, days, nullptr);

    _year = new VOKDlgSpinner(top, "Year", Placed | Editable);
    _year->SetRange(1970, 2038, 68, 0);
    _year->SetFormat("%d");
    _year->SetCurrentValue(2000, 1);
    _month = new VOKDlgCombo(top, "Month", Editable);
    for (const char* name : {"January", "February", "March"}) _month->SetLine(name, -1, 64);
    _month->SetSelect(0, 1);
    top->SetHorizontalAttachment(1, 1, _month, _year, nullptr);

    _echo = new VOKDlgLabel(days, "Echo", Placed);
    _echo->SetGridConstraints(0, 0, 1, 3, 30);
    for (int day = 1; day <= 3; ++day) {
      auto* button = new VOKDlgPushButton(days, std::to_string(day), Placed);
      button->SetTitle(std::to_string(day).c_str());
      button->SetGridConstraints(1, day - 1, 1, 1, 30);
      AddAnalyseNotificationCB(button, button->GetPushBActivateNotification(),
                               &PickerWindow::PickDay, button);
    }
    AddAnalyseNotificationCB(_year, _year->GetSpinnerBtnUpNotification(), &PickerWindow::Step,
                             &kUp);
    AddAnalyseNotificationCB(_year, _year->GetSpinnerBtnDownNotification(), &PickerWindow::Step,
                             &kDown);
    AddAnalyseNotificationCB(_month, _month->GetComboSelectNotification(), &PickerWindow::PickMonth,
                             nullptr);
    AddAnalyseNotificationCB(this, GetDiaOKNotification(), &PickerWindow::Answer, nullptr);
  }

 private:
  static inline int kUp = 1;
  static inline int kDown = -1;

  void PickDay(VOKCommand*, VOKNotification*, void* data) {
    auto* button = static_cast<VOKDlgPushButton*>(data);
    if (_picked != nullptr) _picked->SetSensitivity(VOKDlgSensitivity::Usable);
    _picked = button;
    _picked->SetSensitivity(VOKDlgSensitivity::Greyed);
    Echo();
  }
  void Step(VOKCommand*, VOKNotification*, void* data) {
    int year = 0;
    std::sscanf(_year->GetCurrentText().ToUtf8().c_str(), "%d", &year);
    year += *static_cast<int*>(data);
    const auto value = static_cast<float>(year);
    if (value >= _year->GetMinimum() && value <= _year->GetMaximum()) {
      _year->SetCurrentValue(value, 1);
    }
    Echo();
  }
  void PickMonth(VOKCommand*, VOKNotification*, void*) { Echo(); }
  void Answer(VOKCommand*, VOKNotification*, void*) {
    SetVisibility(VOKDlgVisibility::Hidden);
    RequestDelayedDestruction();
  }
  void Echo() {
    VOKUnicodeString month;
    _month->GetField(month);
    const std::string day = _picked != nullptr ? _picked->GetTitle().ToUtf8() : "?";
    _echo->SetTitle((day + " " + month.ToUtf8() + " " + _year->GetCurrentText().ToUtf8()).c_str());
  }

  VOKDlgSpinner* _year;
  VOKDlgCombo* _month;
  VOKDlgLabel* _echo;
  VOKDlgPushButton* _picked = nullptr;
};

using DialogTest = ToolkitTest;

template <class Widget>
Widget* find(VOKDialog* root, const char* name) {
  return dynamic_cast<Widget*>(root->FindDescendant(name));
}

TEST_F(DialogTest, UserPicksADateAndConfirmsIt) {
  VOKDlgFrame host(nullptr, "Host", GridLayout);
  auto* picker = new PickerWindow(&host);
  auto* echo = find<VOKDlgLabel>(picker, "Echo");
  auto* year = find<VOKDlgSpinner>(picker, "Year");
  ASSERT_NE(nullptr, echo);
  EXPECT_FALSE(VOKDlgUser::Press(find<VOKDlgPushButton>(picker, "2"))) << "window still hidden";
  picker->SetVisibility(VOKDlgVisibility::Shown);

  EXPECT_TRUE(VOKDlgUser::Press(find<VOKDlgPushButton>(picker, "2")));
  EXPECT_EQ("2 January 2000", echo->GetTitle().ToUtf8());
  EXPECT_FALSE(VOKDlgUser::Press(find<VOKDlgPushButton>(picker, "2"))) << "picked day is greyed";
  EXPECT_TRUE(VOKDlgUser::Choose(find<VOKDlgCombo>(picker, "Month"), 2));
  EXPECT_TRUE(VOKDlgUser::StepUp(year));
  EXPECT_TRUE(VOKDlgUser::StepUp(year));
  EXPECT_TRUE(VOKDlgUser::StepDown(year));
  EXPECT_EQ("2 March 2001", echo->GetTitle().ToUtf8());
  EXPECT_TRUE(VOKDlgUser::Type(year, "2038"));
  EXPECT_TRUE(VOKDlgUser::StepUp(year));
  EXPECT_EQ("2038", year->GetCurrentText().ToUtf8()) << "the handler keeps the range";
  EXPECT_TRUE(VOKDlgUser::Press(find<VOKDlgPushButton>(picker, "3")));

  EXPECT_EQ("Days", picker->GetTabulation().Horizontal().at(2).widgets.at(0)->GetName().str());
  EXPECT_EQ(VOKDlgSensitivity::Usable, find<VOKDlgPushButton>(picker, "2")->GetSensitivity());

  EXPECT_TRUE(VOKDlgUser::PressOK(picker));
  EXPECT_EQ(nullptr, host.GetChild("Picker")) << "released after OK";
}

}  // namespace
