// File: VOKQELNavDateEntryFrameCalendar.cpp
// The calendars of the entry frame: each press of the button opens a new
// one on the editor's date; OK, CANCEL and window close release it. The
// frame keeps no pointer to a calendar: it arrives as the client data of
// the callbacks registered on it.
#include "calendar_popup/ThaiDateText.h"
#include "calendar_popup/VOKQELNavCalendarUI.h"
#include "date_frames/CalendarStartDate.h"
#include "date_frames/VOKQELNavDateEntryFrame.h"
#include "module/ModuleTrace.h"

#define ENTRY_TRACE(pieces) VOK_TRACE(vok_module::EntryFrameTrace(), pieces)

void VOKQELNavDateEntryFrame::StartCalendar(VOKCommand*, VOKNotification*, void*) {
  ENTRY_TRACE("VOKQELNavDateEntryFrame::StartCalendar");
  if (_calEditor == nullptr) {
    ENTRY_TRACE("Editor is NULL!");
    return;
  }
  VOKQELNavCalendarUI* calendar = new VOKQELNavCalendarUI(static_cast<VOKDialog*>(this));
  if (calendar == nullptr) {
    ENTRY_TRACE("Calendar UI not created!");
  } else {
    OpenCalendar(*calendar);
  }
  ENTRY_TRACE("End of VOKQELNavDateEntryFrame::StartCalendar");
}

// A text that is no date leaves the calendar on today, silently.
void VOKQELNavDateEntryFrame::OpenCalendar(VOKQELNavCalendarUI& calendar) {
  calendar.SetEditor(_calEditor);
  const VOKUnicodeString start = vok_module::ReadableDateText(_calEditor->GetText());
  if (vok_module::HoldsStartDate(start)) {
    ENTRY_TRACE("Using Startdate: " << start);
    vok_module::ApplyStartDate(calendar, start);
  } else {
    ENTRY_TRACE("Date not specified.. using default.");
  }
  calendar.SetVisibility(VOKDlgVisibility::Shown);
  // OK goes through the virtual slot, so a derived frame's override gets it.
  AddCalendarCallback("Adding OpenCalendarMngt action to OK Notification", calendar,
                      calendar.GetDiaOKNotification(), &VOKQELNavDateEntryFrame::OpenCalendarMngt);
  AddCalendarCallback("Adding CloseCalendarMngt action to CANCEL Notification", calendar,
                      calendar.GetDiaCANCELNotification(),
                      &VOKQELNavDateEntryFrame::CloseCalendarMngt);
  AddCalendarCallback("Adding CloseCalendarMngt action to CLOSE Notification", calendar,
                      calendar.GetWindCloseNotification(),
                      &VOKQELNavDateEntryFrame::CloseCalendarMngt);
}

// A failed registration is recorded and not retried.
void VOKQELNavDateEntryFrame::AddCalendarCallback(const char* announcement,
                                                  VOKQELNavCalendarUI& calendar,
                                                  VOKNotification* notification, Handler handler) {
  ENTRY_TRACE(announcement);
  const int rc = AddAnalyseNotificationCB(&calendar, notification, handler, &calendar);
  ENTRY_TRACE("RC = " << (rc != 0 ? "Success!" : "Failure (0)"));
}

// The calendar is released and the modify notification sent before the
// new text is written; the calendar itself lives on until the toolkit has
// finished the current notification, so it can still format the date.
void VOKQELNavDateEntryFrame::OpenCalendarMngt(VOKCommand* sender, VOKNotification* notification,
                                               void* data) {
  ENTRY_TRACE("VOKQELNavDateEntryFrame::OpenCalendarMngt");
  if (data == nullptr) return;
  auto* calendar = static_cast<VOKQELNavCalendarUI*>(data);
  const VOKTime picked = calendar->GetDate();
  VOKDlgEditor* editor = calendar->GetEditor();
  CloseCalendarMngt(sender, notification, data);
  const VOKUnicodeString text = picked.ConvertToString(calendar->getDateFormat(), 0);
  if (editor == nullptr) return;
  ENTRY_TRACE("Editor text set to: \"" << text << "\"");
  editor->SetText(vok_module::ShownDateText(text, picked), 0);
}

void VOKQELNavDateEntryFrame::CloseCalendarMngt(VOKCommand*, VOKNotification*, void* data) {
  ENTRY_TRACE("VOKQELNavDateEntryFrame::CloseCalendarMngt");
  if (data == nullptr) return;
  auto* calendar = static_cast<VOKQELNavCalendarUI*>(data);
  calendar->SetVisibility(VOKDlgVisibility::Hidden);
  calendar->RequestDelayedDestruction();
  if (_calEditor != nullptr) {
    _calEditor->SendNotification(_calEditor, _calEditor->GetEditModifyNotification());
  }
}
