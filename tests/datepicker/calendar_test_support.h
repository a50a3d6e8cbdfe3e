// Driving a calendar as a user would, and the fixtures of the calendar,
// dialog and frame tests: English placeholders dd, mm, yyyy and the layout
// mm/dd/yyyy unless a test picks others, the dialog's catalog texts, and a
// shown host dialog for the dialogs and frames.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base_runtime/VOKHostSettings.h"
#include "base_runtime/VOKMsgCatalog.h"
#include "calendar_popup/VOKQELNavCalendarUI.h"
#include "checks/calendar_invariants.h"
#include "dialog_toolkit/VOKDlgFrame.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "support/HostFixture.h"

namespace calendar_test {

template <class Widget>
Widget* Find(const VOKDialog& root, const std::string& name) {
  return dynamic_cast<Widget*>(root.FindDescendant(name.c_str()));
}

inline std::vector<VOKQELNavCalendarUI*> CalendarsUnder(const VOKDialog& parent) {
  std::vector<VOKQELNavCalendarUI*> found;
  for (VOKDialog* child : parent.GetChildren()) {
    if (auto* calendar = dynamic_cast<VOKQELNavCalendarUI*>(child)) found.push_back(calendar);
  }
  return found;
}

// The one calendar under parent; null when there is none or several.
inline VOKQELNavCalendarUI* CalendarUnder(const VOKDialog& parent) {
  const auto found = CalendarsUnder(parent);
  return found.size() == 1 ? found.front() : nullptr;
}

// Presses the day button the person sees titled day (the marked one is not
// usable, so it is not found).
inline bool PressDay(const VOKPLMDlgDate& calendar, int day) {
  return VOKDlgUser::Press(
      VOKDlgUser::FindShown<VOKDlgPushButton>(calendar, std::to_string(day).c_str()));
}

inline bool ChooseMonth(const VOKPLMDlgDate& calendar, int month) {
  return VOKDlgUser::Choose(Find<VOKDlgCombo>(calendar, "MonthCombo"), month - 1);
}

inline bool TypeYear(const VOKPLMDlgDate& calendar, const char* year) {
  return VOKDlgUser::Type(Find<VOKDlgSpinner>(calendar, "YearSpinner"), year);
}

// What the calendar's widgets show, as year-month-day: the spinner's text,
// the selected combo line and the title of the marked day button; or the
// first calendar rule the widgets break.
inline std::string Shown(const VOKPLMDlgDate& calendar) {
  const CalendarReading reading = ReadCalendar(calendar);
  if (!reading.broken.empty()) return reading.broken;
  char text[32];
  std::snprintf(text, sizeof text, "%d-%02d-%02d", reading.year, reading.month, reading.day);
  return text;
}

}  // namespace calendar_test

class CalendarFixture : public HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    UseLayout("mm/dd/yyyy");
  }

  static void UseLayout(const std::string& layout, const std::string& day = "dd",
                        const std::string& month = "mm", const std::string& year = "yyyy") {
    VOKMsgCatalog::LoadFromMemory("VOKImmDate", "Day.Title = " + day + "\nMonth.Title = " + month +
                                                    "\nYear.Title = " + year + "\n");
    VOKHostSettings::SetDateLayout(layout);
  }
};

// A shown host dialog under which the tests open date-picker dialogs.
class DateDialogTest : public CalendarFixture {
 protected:
  void SetUp() override {
    CalendarFixture::SetUp();
    VOKMsgCatalog::LoadFromMemory("VOKPLMDlgDate",
                                  "CalendarChoose = Choose a date\nSun = Su\nMon = Mo\nTue = Tu\n"
                                  "Wed = We\nThu = Th\nFri = Fr\nSat = Sa\n");
    VOKMsgCatalog::LoadFromMemory("VOKZeltSheetEditor",
                                  "InvalidYear.Text = The year %1 is not valid.\n"
                                  "InvalidYear.Title = Invalid year %1\n");
    host = std::make_unique<VOKDlgDialog>(nullptr, "Host", VOKDlgStyle::OKButton);
    host->SetVisibility(VOKDlgVisibility::Shown);
  }
  void TearDown() override {
    VOKCommand::FlushDelayedDestructions();
    host.reset();
    CalendarFixture::TearDown();
  }

  // A new dialog under the host, shown so that the user can reach it.
  VOKPLMDlgDate& Open() {
    auto* dialog = new VOKPLMDlgDate(host.get());
    dialog->SetVisibility(VOKDlgVisibility::Shown);
    return *dialog;
  }
  static VOKDlgSpinner* Spinner(const VOKPLMDlgDate& dialog) {
    return calendar_test::Find<VOKDlgSpinner>(dialog, "YearSpinner");
  }
  static std::string YearShown(const VOKPLMDlgDate& dialog) {
    return Spinner(dialog)->GetCurrentText().ToUtf8();
  }
  static std::string Title(const VOKPLMDlgDate& dialog, int cell) {  // cells 1 to 37
    return calendar_test::Find<VOKDlgPushButton>(dialog, std::to_string(cell))->GetTitle().ToUtf8();
  }

  std::unique_ptr<VOKDlgDialog> host;
};

// A father frame in the shown host dialog, for the frames under test.
class FrameFixture : public DateDialogTest {
 protected:
  void SetUp() override {
    DateDialogTest::SetUp();
    father = new VOKDlgFrame(host.get(), "Father", VOKDlgStyle::GridLayout | VOKDlgStyle::Placed);
  }

  VOKDlgFrame* father = nullptr;
};
