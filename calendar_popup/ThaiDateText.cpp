// File: ThaiDateText.cpp
#include "calendar_popup/ThaiDateText.h"

#include "services/VOKImmDate.h"

namespace vok_module {

VOKUnicodeString ReadableDateText(const VOKUnicodeString& text) {
  if (!VOKImmDate::IsThisThai()) return text;
  VOKUnicodeString rewritten(text);
  VOKUnicodeString shown;
  VOKUnicodeString year;
  // The value 0 tells the host that the date behind the text is unknown.
  VOKImmDate::GetThaiReferenceDate(rewritten, VOKTime(0), shown, year);
  return rewritten;
}

VOKUnicodeString ShownDateText(const VOKUnicodeString& text, const VOKTime& date) {
  if (!VOKImmDate::IsThisThai()) return text;
  VOKUnicodeString written(text);
  VOKUnicodeString shown;
  VOKUnicodeString year;
  VOKImmDate::GetThaiReferenceDate(written, date, shown, year);
  return shown;
}

}  // namespace vok_module
