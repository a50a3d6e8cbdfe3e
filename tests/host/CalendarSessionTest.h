// File: CalendarSessionTest.h
// A calendar of a 30-day month starting on a Wednesday, day 9 (button
// "12") chosen, June selected, in a host dialog, with a session screen to
// play keys on and a user that logs the month combo's choices as "Month".
#pragma once

#include <memory>

#include "host/FrontEndScriptScreen.h"
#include "host/FrontEndTestSupport.h"
#include "host/ToolkitTestSupport.h"

class CalendarSessionTest : public ToolkitTest {
 protected:
  CalendarSessionTest() {
    host = std::make_unique<VOKDlgDialog>(nullptr, "Host", 0);
    calendar = frontend_test::BuildCalendar(host.get(), 3, 9);
    combo = frontend_test::Find<VOKDlgCombo>(*calendar, "MonthCombo");
    spinner = frontend_test::Find<VOKDlgSpinner>(*calendar, "YearSpinner");
    user = std::make_unique<Recorder>(&log, "user");
    user->Listen(combo, combo->GetComboSelectNotification(), "Month");
  }

  std::unique_ptr<VOKDlgDialog> host;
  VOKDlgDialog* calendar = nullptr;
  VOKDlgCombo* combo = nullptr;
  VOKDlgSpinner* spinner = nullptr;
  Log log;
  std::unique_ptr<Recorder> user;
  ScriptScreen screen;
};
