// File: DateFieldChecker.h
// Reads, judges and writes the dates of the form's fields with the date
// text of the locale the form was built in. In a Thai setting fields hold
// the locale's shown form of a date (Buddhist-era years); it is made
// Gregorian before it is judged. Error boxes are the module's: a hidden
// calendar for date text under the form shows each, then goes.
#pragma once

#include <optional>

#include "base_runtime/VOKTime.h"
#include "base_runtime/VOKUnicodeString.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "services/VOKDateText.h"

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
  // The shape typed dates must have, e.g. mm/dd/yyyy.
  const VOKUnicodeString& Layout() const { return _dates.DisplayFormat(); }

 private:
  VOKDlgDialog& _form;
  VOKDateText _dates;
};

}  // namespace vok_demo
