// File: VOKImmDate.cpp
// Reading date texts, the Thai setting and the locale's date layout, all
// from the host's current locale.
#include "services/VOKImmDate.h"

#include "base_runtime/VOKHostSettings.h"
#include "services/DateTextReader.h"

using vok::DateField;

VOKImmDate::VOKImmDate(const VOKUnicodeString& text) {
  const vok::HostLocale& locale = vok::CurrentLocale();
  vok::services::DateFields fields;
  // VOKTime refuses what is no calendar date (30 February, month 13, year 0).
  if (vok::services::ReadDateFields(text.ToUtf8(), locale.dateLayout.shape, locale.thai, fields)) {
    _time = VOKTime(fields.year, fields.month, fields.day, 0, 0, 0, 0);
  }
}

VOKImmDate::~VOKImmDate() = default;

unsigned char VOKImmDate::IsThisThai() { return vok::CurrentLocale().thai ? 1 : 0; }

void VOKImmDate::GetLocalDate(int& dayOrder, int& monthOrder, int& yearOrder,
                              VOKUnicodeString* format, int*, int*, int*, int*, VOKUnicodeString*) {
  const vok::DateLayout& layout = vok::CurrentLocale().dateLayout;
  dayOrder = layout.shape.OrderOf(DateField::Day);
  monthOrder = layout.shape.OrderOf(DateField::Month);
  yearOrder = layout.shape.OrderOf(DateField::Year);
  if (format != nullptr) *format = VOKUnicodeString(std::string_view(layout.text));
}
