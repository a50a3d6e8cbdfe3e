// File: VOKQELNavCalendarUIValidation.cpp
// Judging date text typed by a user, with the calendar's date text value.
#include "base_runtime/VOKTime.h"
#include "calendar_popup/VOKQELNavCalendarUI.h"
#include "services/VOKDateText.h"

const int VOKQELNavCalendarUI::INVALID_FORMAT = 0;
const int VOKQELNavCalendarUI::INVALID_VALUE = 1;
const int VOKQELNavCalendarUI::VALID_DATE = 2;

int VOKQELNavCalendarUI::validateDate(const VOKUnicodeString& text) {
  return static_cast<int>(_dateText->Judge(text));
}

unsigned char VOKQELNavCalendarUI::isDateValid(const VOKUnicodeString& text) {
  return validateDate(text) == VALID_DATE ? 1 : 0;
}

// Every date text about to be converted passes through StripNLS (and its
// trace). A text of the display format's shape holds only the format's
// characters and digits, and the format holds no decoration, so StripNLS
// leaves it as it is: the time read by the judgement is the text's.
int VOKQELNavCalendarUI::ConvertToVOKTime(const VOKUnicodeString& text, VOKTime& time) {
  VOKTime read;
  const int result = static_cast<int>(_dateText->Read(text, read));
  if (result != VALID_DATE) return result;
  VOKUnicodeString stripped(text);
  StripNLS(stripped);
  time.Settime_t(read.Gettime_t());
  return VALID_DATE;
}
