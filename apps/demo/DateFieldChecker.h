// File: DateFieldChecker.h
// Reads, judges and writes the dates of the form's fields with the module's
// calendar for date text: a hidden VOKQELNavCalendarUI under the form knows
// the locale's date format and shows the form's error boxes. In a Thai
// setting fields hold the host's Thai form of a date (Buddhist-era years);
// it is rewritten to the Gregorian form before it is judged.
#pragma once

#include <optional>

#include "base_runtime/VOKTime.h"
#include "base_runtime/VOKUnicodeString.h"
#include "dialog_toolkit/VOKDlgDialog.h"

class VOKQELNavCalendarUI;

namespace vok_demo {

class DateFieldChecker {
 public:
  explicit DateFieldChecker(VOKDlgDialog& form);

  // The date as a field shows it.
  VOKUnicodeString Write(const VOKTime& date) const;
  // The date a field's text stands for; nullopt when the text is no date.
  std::optional<VOKTime> Read(const VOKUnicodeString& text) const;
  // Tells the user that text is no date, with today as the fields show it
  // as an example; returns when the box is closed.
  void ShowInvalid(const VOKUnicodeString& text) const;
  // The date layout typed text must follow, e.g. mm/dd/yyyy.
  static VOKUnicodeString Layout();

 private:
  VOKQELNavCalendarUI* _calendar;  // hidden; belongs to the form's tree
};

}  // namespace vok_demo
