// File: VOKImmDate.cpp
// Reading date texts, the Thai setting and the locale's date layout, all
// from the host's current locale.
#include "services/VOKImmDate.h"

#include <cstdint>

#include "base_runtime/HostLocale.h"
#include "base_runtime/VOKHostSettings.h"
#include "services/DateTextReader.h"

using vok::DateField;

VOKImmDate::VOKImmDate(const VOKUnicodeString& text) {
  const std::shared_ptr<const vok::HostLocale> snapshot = vok::LocaleSnapshot();
  const vok::HostLocale& locale = *snapshot;
  std::int64_t midnight = 0;
  if (vok::services::ReadDate(text.ToUtf8(), locale.dateLayout.shape, locale.calendar.thaiDigits,
                              midnight)) {
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
