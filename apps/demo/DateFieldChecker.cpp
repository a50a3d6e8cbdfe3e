// File: DateFieldChecker.cpp
#include "demo/DateFieldChecker.h"

#include "calendar_popup/VOKQELNavCalendarUI.h"
#include "services/VOKImmDate.h"

namespace vok_demo {
namespace {

struct ThaiForms {
  VOKUnicodeString gregorian;
  VOKUnicodeString shown;
};

ThaiForms RewriteThai(const VOKUnicodeString& text, const VOKTime& date) {
  ThaiForms forms{text, {}};
  VOKUnicodeString year;
  VOKImmDate::GetThaiReferenceDate(forms.gregorian, date, forms.shown, year);
  return forms;
}

}  // namespace

DateFieldChecker::DateFieldChecker(VOKDlgDialog& form)
    : _calendar(new VOKQELNavCalendarUI(&form)) {}

VOKUnicodeString DateFieldChecker::Write(const VOKTime& date) const {
  if (_calendar == nullptr) return {};
  const VOKUnicodeString text = date.ConvertToString(_calendar->getDateFormat(), 0);
  return VOKImmDate::IsThisThai() ? RewriteThai(text, date).shown : text;
}

std::optional<VOKTime> DateFieldChecker::Read(const VOKUnicodeString& text) const {
  const VOKUnicodeString gregorian =
      VOKImmDate::IsThisThai() ? RewriteThai(text, VOKTime(0)).gregorian : text;
  VOKTime date;
  if (_calendar == nullptr || !_calendar->isDateValid(gregorian) ||
      _calendar->ConvertToVOKTime(gregorian, date) != VOKQELNavCalendarUI::VALID_DATE) {
    return std::nullopt;
  }
  return date;
}

void DateFieldChecker::ShowInvalid(const VOKUnicodeString& text) const {
  if (_calendar == nullptr) return;
  // The example is written as the fields show dates, Thai years included.
  VOKUnicodeString params[] = {text, Write(VOKTime::GetCurrentLocalTime())};
  _calendar->ShowErrorDialog("InvalidDate", params, 2);
}

VOKUnicodeString DateFieldChecker::Layout() {
  int dayOrder = 0;
  int monthOrder = 0;
  int yearOrder = 0;
  VOKUnicodeString layout;
  VOKImmDate::GetLocalDate(dayOrder, monthOrder, yearOrder, &layout, nullptr, nullptr, nullptr,
                           nullptr, nullptr);
  VOKQELNavCalendarUI::StripNLS(layout);
  return layout;
}

}  // namespace vok_demo
