// File: VOKQELNavDateComboButtonFrameCalendar.cpp
// The calendars of the combo-button frame: each press opens a new one on
// the combo's date; OK writes the picked date into the combo's edit field.
// A calendar is known only as the client data of its three callbacks.
#include "calendar_popup/ThaiDateText.h"
#include "calendar_popup/VOKQELNavCalendarUI.h"
#include "date_frames/CalendarStartDate.h"
#include "date_frames/VOKQELNavDateComboButtonFrame.h"
#include "module/ModuleTrace.h"

#define COMBO_TRACE(pieces) VOK_TRACE(vok_module::ComboButtonFrameTrace(), pieces)

// The hidden editor keeps the combo's text exactly; the start text is its
// readable (Gregorian) form.
void VOKQELNavDateComboButtonFrame::StartCalendar(VOKCommand*, VOKNotification*, void*) {
  COMBO_TRACE("VOKQELNavDateComboButtonFrame::StartCalendar");
  if (_calValue == nullptr) {
    COMBO_TRACE("Editor is NULL!");
    return;
  }
  if (_combo == nullptr) {
    COMBO_TRACE("Combo is NULL!");
    return;
  }
  VOKUnicodeString field;
  _combo->GetField(field);
  _calValue->SetText(field, 0);
  const VOKUnicodeString start = vok_module::ReadableDateText(field);
  VOKQELNavCalendarUI* calendar = new VOKQELNavCalendarUI(static_cast<VOKDialog*>(this));
  if (calendar == nullptr) {
    COMBO_TRACE("PDate is NULL!");
    return;
  }
  OpenCalendar(*calendar, start);
}

void VOKQELNavDateComboButtonFrame::OpenCalendar(VOKQELNavCalendarUI& calendar,
                                                 const VOKUnicodeString& start) {
  calendar.SetEditor(_calValue);
  if (vok_module::HoldsStartDate(start)) {
    COMBO_TRACE("Using Startdate: " << start);
    if (vok_module::ApplyStartDate(calendar, start) != VOKQELNavCalendarUI::VALID_DATE) {
      COMBO_TRACE("Invalid Date!");
    }
  } else {
    COMBO_TRACE("Date not specified.. using default.");
  }
  calendar.SetVisibility(VOKDlgVisibility::Shown);
  AddAnalyseNotificationCB(&calendar, calendar.GetDiaOKNotification(),
                           &VOKQELNavDateComboButtonFrame::OpenCalendarMngt, &calendar);
  AddAnalyseNotificationCB(&calendar, calendar.GetDiaCANCELNotification(),
                           &VOKQELNavDateComboButtonFrame::CloseCalendarMngt, &calendar);
  AddAnalyseNotificationCB(&calendar, calendar.GetWindCloseNotification(),
                           &VOKQELNavDateComboButtonFrame::CloseCalendarMngt, &calendar);
}

// The calendar is released and the combo's modify notification sent before
// the new text is written; the calendar lives on until the toolkit has
// finished the current notification, so it can still format the date.
void VOKQELNavDateComboButtonFrame::OpenCalendarMngt(VOKCommand* sender,
                                                     VOKNotification* notification, void* data) {
  COMBO_TRACE("VOKQELNavDateComboButtonFrame::OpenCalendarMngt");
  if (data == nullptr) {
    COMBO_TRACE("pDate is NULL!");
    return;
  }
  auto* calendar = static_cast<VOKQELNavCalendarUI*>(data);
  const VOKTime picked = calendar->GetDate();
  CloseCalendarMngt(sender, notification, data);
  const VOKUnicodeString text = picked.ConvertToString(calendar->getDateFormat(), 0);
  if (_combo == nullptr) {
    COMBO_TRACE("Combo is NULL!");
    return;
  }
  _combo->SetField(vok_module::ShownDateText(text, picked));
}

void VOKQELNavDateComboButtonFrame::CloseCalendarMngt(VOKCommand*, VOKNotification*, void* data) {
  COMBO_TRACE("VOKQELNavDateComboButtonFrame::CloseCalendarMngt");
  if (data != nullptr) {
    auto* calendar = static_cast<VOKQELNavCalendarUI*>(data);
    calendar->SetVisibility(VOKDlgVisibility::Hidden);
    calendar->RequestDelayedDestruction();
  }
  if (_combo != nullptr) {
    _combo->SendNotification(_combo, _combo->GetComboModifyNotification());
  } else {
    COMBO_TRACE("Combo is NULL!");
  }
}
