// File: VOKImmDate.cpp
// Reading date texts, the Thai setting and the locale's date layout.
#include "services/VOKImmDate.h"

#include <optional>

#include "base_runtime/VOKHostSettings.h"
#include "services/CurrentDateLayout.h"
#include "services/DateText.h"
#include "services/DateTextReader.h"

using vok::services::DateField;

VOKImmDate::VOKImmDate(const VOKUnicodeString& text) {
  const vok::services::DatePlaceholders placeholders = vok::services::ReadDatePlaceholders();
  const std::optional<vok::services::DateFields> fields = vok::services::ReadDateFields(
      vok::services::ToCodePoints(text.ToUtf8()), vok::services::CurrentDateLayoutShape(placeholders));
  // VOKTime refuses what is no calendar date (30 February, month 13, year 0).
  if (fields) _time = VOKTime(fields->year, fields->month, fields->day, 0, 0, 0, 0);
}

VOKImmDate::~VOKImmDate() = default;

unsigned char VOKImmDate::IsThisThai() { return VOKHostSettings::IsThai() ? 1 : 0; }

void VOKImmDate::GetLocalDate(int& dayOrder, int& monthOrder, int& yearOrder, VOKUnicodeString* format, int*, int*,
                              int*, int*, VOKUnicodeString*) {
  const vok::services::DatePlaceholders placeholders = vok::services::ReadDatePlaceholders();
  const std::u32string layout = vok::services::CurrentDateLayout(placeholders);
  const vok::services::DateLayoutShape shape =
      vok::services::SplitLayout(vok::services::StripDecoration(layout), placeholders);
  dayOrder = shape.OrderOf(DateField::Day);
  monthOrder = shape.OrderOf(DateField::Month);
  yearOrder = shape.OrderOf(DateField::Year);
  if (format != nullptr) *format = VOKUnicodeString(vok::services::ToUtf8(layout));
}
