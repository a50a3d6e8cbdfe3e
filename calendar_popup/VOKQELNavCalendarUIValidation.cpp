// File: VOKQELNavCalendarUIValidation.cpp
// Judging date text typed by a user: the shape test is the calendar's own,
// whether the digits make a real date is the host's VOKImmDate's decision.
#include "base_runtime/VOKTime.h"
#include "calendar_popup/VOKQELNavCalendarUI.h"
#include "services/VOKImmDate.h"

const int VOKQELNavCalendarUI::INVALID_FORMAT = 0;
const int VOKQELNavCalendarUI::INVALID_VALUE = 1;
const int VOKQELNavCalendarUI::VALID_DATE = 2;

namespace {

// Each position holds the very character of the format or a digit: so
// separators are typed as they stand, placeholders take digits, and a digit
// in place of a separator is left for the host to refuse.
bool HasShapeOf(const VOKUnicodeString& text, const VOKUnicodeString& format) {
  const int length = text.GetLengthInChar();
  if (length != format.GetLengthInChar()) return false;
  for (int i = 0; i < length; ++i) {
    const VOKUnicodeChar c = text[i];
    if (c != format[i] && !c.IsDigit()) return false;
  }
  return true;
}

// VOKTime::Invalid when the host reads no date from the text.
std::int64_t ReadDate(const VOKUnicodeString& text) {
  const VOKImmDate date(text);
  return date._time.Gettime_t();
}

// The verdict on text, and for a VALID_DATE the time the host read.
int Judge(const VOKUnicodeString& text, const VOKUnicodeString& format, std::int64_t& time) {
  if (text.IsEmpty() || !HasShapeOf(text, format)) return VOKQELNavCalendarUI::INVALID_FORMAT;
  time = ReadDate(text);
  return time == VOKTime::Invalid ? VOKQELNavCalendarUI::INVALID_VALUE
                                  : VOKQELNavCalendarUI::VALID_DATE;
}

}  // namespace

int VOKQELNavCalendarUI::validateDate(const VOKUnicodeString& text) {
  std::int64_t time = VOKTime::Invalid;
  return Judge(text, _displayFormat, time);
}

unsigned char VOKQELNavCalendarUI::isDateValid(const VOKUnicodeString& text) {
  return validateDate(text) == VALID_DATE ? 1 : 0;
}

// A text of the display format's shape carries no decoration, so its
// stripped copy is the text itself, whose time is known already; a copy
// that differs is read again.
int VOKQELNavCalendarUI::ConvertToVOKTime(const VOKUnicodeString& text, VOKTime& time) {
  std::int64_t read = VOKTime::Invalid;
  const int result = Judge(text, _displayFormat, read);
  if (result != VALID_DATE) return result;
  VOKUnicodeString stripped(text);
  StripNLS(stripped);
  time.Settime_t(stripped == text ? read : ReadDate(stripped));
  return VALID_DATE;
}
