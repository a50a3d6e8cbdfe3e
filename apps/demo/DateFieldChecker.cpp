// File: DateFieldChecker.cpp
#include "demo/DateFieldChecker.h"

#include "base_runtime/VOKEnvironment.h"
#include "base_runtime/VOKHostSettings.h"
#include "calendar_popup/VOKQELNavCalendarUI.h"

namespace vok_demo {
namespace {

// VOKNlsTest fixes the shape of typed dates, for the fields as for the
// module's calendars; dates are still written in the locale's layout.
VOKDateText FieldDateText() {
  const VOKDateText dates(VOKHostSettings::Current());
  return VOKGetEnv("VOKNlsTest") != nullptr ? dates.WithDisplayFormat("mm/dd/yyyy") : dates;
}

}  // namespace

DateFieldChecker::DateFieldChecker(VOKDlgDialog& form) : _form(form), _dates(FieldDateText()) {}

VOKUnicodeString DateFieldChecker::Write(const VOKTime& date) const {
  return _dates.Shown(_dates.Write(date));
}

std::optional<VOKTime> DateFieldChecker::Read(const VOKUnicodeString& text) const {
  VOKTime date;
  if (_dates.Read(_dates.Gregorian(text), date) != VOKDateText::Verdict::ValidDate)
    return std::nullopt;
  return date;
}

void DateFieldChecker::ShowInvalid(const VOKUnicodeString& text) const {
  auto* calendar = new VOKQELNavCalendarUI(&_form);
  if (calendar == nullptr) return;
  // The example is written as the fields show dates, Thai years included.
  VOKUnicodeString params[] = {text, Write(VOKTime::GetCurrentLocalTime())};
  calendar->ShowErrorDialog("InvalidDate", params, 2);
  calendar->RequestDelayedDestruction();
}

}  // namespace vok_demo
