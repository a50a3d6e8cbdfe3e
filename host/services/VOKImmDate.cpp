// File: VOKImmDate.cpp
// Reading date texts, the Thai setting and the locale's date layout, all
// from the host's current locale.
#include "services/VOKImmDate.h"

#include <cstdint>

#include "base_runtime/CivilTime.h"
#include "base_runtime/HostLocale.h"
#include "base_runtime/VOKHostSettings.h"
#include "services/DateTextReader.h"

using vok::DateField;

VOKImmDate::VOKImmDate(const VOKUnicodeString& text) {
  const vok::HostLocale& locale = vok::CurrentLocale();
  vok::services::DateFields fields;
  std::int64_t midnight = 0;
  // MidnightOf refuses what is no calendar date (30 February, month 13, year 0).
  if (vok::services::ReadDateFields(text.ToUtf8(), locale.dateLayout.shape, locale.thai, fields) &&
      vok::MidnightOf(fields.year, fields.month, fields.day, midnight)) {
    _time = VOKTime(midnight);
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
