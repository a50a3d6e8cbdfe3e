// A form with both date frames: a date typed into the entry frame's
// editor, its calendar opened with the calendar button, another month and
// day picked and accepted, then the same through the combo's calendar.
// Prints what each field then holds.
#include <cstdio>
#include <string>

#include "calendar_popup/VOKQELNavCalendarUI.h"
#include "date_frames/VOKQELNavDateComboButtonFrame.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgStyle.h"
#include "dialog_toolkit/VOKDlgUser.h"

namespace {

// The calendar a button opened: the one shown calendar in the form.
VOKQELNavCalendarUI* OpenedCalendar(const VOKDialog& root) {
  for (VOKDialog* child : root.GetChildren()) {
    auto* calendar = dynamic_cast<VOKQELNavCalendarUI*>(child);
    if (calendar != nullptr && calendar->GetVisibility() == VOKDlgVisibility::Shown)
      return calendar;
    if (VOKQELNavCalendarUI* below = OpenedCalendar(*child)) return below;
  }
  return nullptr;
}

// Chooses a month (1 to 12) and presses the day button titled day.
bool Pick(VOKQELNavCalendarUI& calendar, int month, int day) {
  auto* months = dynamic_cast<VOKDlgCombo*>(calendar.FindDescendant("MonthCombo"));
  if (!VOKDlgUser::Choose(months, month - 1)) return false;
  for (int cell = 1; cell <= 37; ++cell) {
    auto* button =
        dynamic_cast<VOKDlgPushButton*>(calendar.FindDescendant(std::to_string(cell).c_str()));
    if (button != nullptr && button->GetVisibility() == VOKDlgVisibility::Shown &&
        button->GetTitle().ToUtf8() == std::to_string(day)) {
      return VOKDlgUser::Press(button);
    }
  }
  return false;
}

// The combo frame's calendar button is named after the frame.
VOKDlgPushButton* ComboFrameButton(const VOKQELNavDateComboButtonFrame& frame) {
  const VOKString name = frame.GetName() + "_Frame";
  return dynamic_cast<VOKDlgPushButton*>(frame.FindDescendant(name));
}

bool PickThroughCalendar(VOKDialog& form, VOKDlgPushButton* button, int month, int day) {
  if (!VOKDlgUser::Press(button)) return false;
  VOKQELNavCalendarUI* calendar = OpenedCalendar(form);
  return calendar != nullptr && Pick(*calendar, month, day) && VOKDlgUser::PressOK(calendar);
}

}  // namespace

int main() {
  auto* form = new VOKDlgDialog(nullptr, "Form", VOKDlgStyle::CloseControl);
  form->SetVisibility(VOKDlgVisibility::Shown);
  auto* grid = new VOKDlgFrame(form, "Grid", VOKDlgStyle::GridLayout | VOKDlgStyle::Placed);

  auto* entry = new VOKQELNavDateEntryFrame(form, grid, "CreatedAfter");
  auto* combo = new VOKDlgCombo(grid, "RecentDates", VOKDlgStyle::Placed | VOKDlgStyle::Editable);
  auto* comboFrame = new VOKQELNavDateComboButtonFrame(grid, "ModifiedBefore", combo);

  bool picked = VOKDlgUser::Type(entry->getEditor(), "07/04/2021") &&
                PickThroughCalendar(*form, entry->getButton(), 2, 14);
  picked = picked && VOKDlgUser::Type(combo, "12/24/2023") &&
           PickThroughCalendar(*form, ComboFrameButton(*comboFrame), 1, 15);

  VOKUnicodeString comboText;
  combo->GetField(comboText);
  std::printf("Created after: %s\nModified before: %s\n",
              entry->getEditor()->GetText().ToUtf8().c_str(), comboText.ToUtf8().c_str());
  delete form;
  return picked ? 0 : 1;
}
