// Getting started with the date picker: a form with both date frames, a
// date picked through each frame's calendar as a person would pick it,
// the fields read back, typed text judged and converted, and the same in
// the Thai setting, where a field's text goes through
// VOKImmDate::GetThaiReferenceDate before it is converted.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base_runtime/VOKHostSettings.h"
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
#include "services/VOKImmDate.h"

namespace {

// Presses a frame's calendar button, then, in the calendar it opened on
// top of the form, chooses the month (1 to 12), presses the day and OK.
bool PickThroughCalendar(VOKDlgDialog& form, VOKDlgPushButton* button, int month, int day) {
  if (!VOKDlgUser::Press(button)) return false;
  auto* calendar = dynamic_cast<VOKQELNavCalendarUI*>(VOKDlgUser::TopWindow(form));
  if (calendar == nullptr) return false;
  auto* months = dynamic_cast<VOKDlgCombo*>(calendar->FindDescendant("MonthCombo"));
  if (!VOKDlgUser::Choose(months, month - 1)) return false;
  // The day buttons are titled after the month is chosen.
  const std::string title = std::to_string(day);
  return VOKDlgUser::Press(VOKDlgUser::FindShown<VOKDlgPushButton>(*calendar, title.c_str())) &&
         VOKDlgUser::PressOK(calendar);
}

std::string FieldText(VOKDlgCombo& combo) {
  VOKUnicodeString text;
  combo.GetField(text);
  return text.ToUtf8();
}

// Judges date text with a calendar's rules. ConvertToVOKTime returns one of
// three codes, and only VALID_DATE (2) is a date: never test it as a bool.
void Judge(VOKQELNavCalendarUI& judge, const char* text) {
  VOKTime time;
  const int code = judge.ConvertToVOKTime(text, time);
  if (code == VOKQELNavCalendarUI::VALID_DATE) {
    std::printf("\"%s\" is the date %04d-%02d-%02d\n", text, time.GetYear(), time.GetMonth(),
                time.GetDay());
  } else {
    std::printf("\"%s\" is %s\n", text,
                code == VOKQELNavCalendarUI::INVALID_VALUE ? "no date" : "not in the date layout");
  }
}

}  // namespace

int main() {
  // The form owns every widget created under it: deleting it deletes them.
  auto* form = new VOKDlgDialog(nullptr, "Form", VOKDlgStyle::CloseControl);
  form->SetVisibility(VOKDlgVisibility::Shown);
  auto* grid = new VOKDlgFrame(form, "Grid", VOKDlgStyle::GridLayout | VOKDlgStyle::Placed);
  auto* entry = new VOKQELNavDateEntryFrame(form, grid, "CreatedAfter");
  auto* combo = new VOKDlgCombo(
      grid, "RecentDates", VOKDlgStyle::Placed | VOKDlgStyle::Editable | VOKDlgStyle::FreeText);
  new VOKQELNavDateComboButtonFrame(grid, "ModifiedBefore", combo);
  // The combo frame's button is named after the frame.
  auto* comboButton = dynamic_cast<VOKDlgPushButton*>(form->FindDescendant("ModifiedBefore_Frame"));

  // Each calendar opens on the date in its field and writes the pick back.
  bool picked = VOKDlgUser::Type(entry->getEditor(), "07/04/2021") &&
                PickThroughCalendar(*form, entry->getButton(), 2, 14);
  picked = picked && VOKDlgUser::Type(combo, "12/24/2023") &&
           PickThroughCalendar(*form, comboButton, 1, 15);
  std::printf("Created after: %s\nModified before: %s\n",
              entry->getEditor()->GetText().ToUtf8().c_str(), FieldText(*combo).c_str());

  // A calendar judges text in the layout it read when it was made.
  {
    VOKQELNavCalendarUI judge(form);
    Judge(judge, "02/29/2024");
    Judge(judge, "02/30/2024");
    Judge(judge, "2024-02-29");
  }

  // The Thai setting: fields show Buddhist-era years (543 more). Their text
  // is made Gregorian before it is converted.
  setenv("VOK_THAI", "1", 1);
  VOKHostSettings::Reload();
  auto* thaiEntry = new VOKQELNavDateEntryFrame(form, grid, "ThaiDate");
  picked = picked && PickThroughCalendar(*form, thaiEntry->getButton(), 2, 14);
  const VOKUnicodeString field = thaiEntry->getEditor()->GetText();
  VOKUnicodeString text = field;  // rewritten in place
  VOKUnicodeString shown;
  VOKUnicodeString year;
  VOKImmDate::GetThaiReferenceDate(text, VOKTime(0), shown, year);
  {
    VOKQELNavCalendarUI judge(form);
    Judge(judge, text.ToUtf8().c_str());
    Judge(judge, field.ToUtf8().c_str());  // without the step: 543 years late
  }

  delete form;
  return picked ? 0 : 1;
}
