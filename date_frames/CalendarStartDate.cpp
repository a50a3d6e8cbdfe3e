// File: CalendarStartDate.cpp
#include "date_frames/CalendarStartDate.h"

#include "base_runtime/VOKTime.h"
#include "calendar_popup/VOKQELNavCalendarUI.h"

namespace vok_module {

int ApplyStartDate(VOKQELNavCalendarUI& calendar, const VOKUnicodeString& text) {
  VOKTime start;
  const int result = calendar.ConvertToVOKTime(text, start);
  if (result == VOKQELNavCalendarUI::VALID_DATE) calendar.SetDate(start);
  return result;
}

}  // namespace vok_module
