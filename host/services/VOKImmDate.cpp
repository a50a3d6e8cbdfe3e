// File: VOKImmDate.cpp
// Reading date texts, the Thai setting and the locale's date layout.
#include "services/VOKImmDate.h"

#include <algorithm>
#include <array>
#include <optional>

#include "base_runtime/Utf8Text.h"
#include "base_runtime/VOKHostSettings.h"
#include "services/CurrentDateLayout.h"
#include "services/DateText.h"
#include "services/DateTextReader.h"

using vok::services::DateField;

namespace {

// Typed dates are short ASCII texts: those are read from a copy on the
// stack, one code point a byte.
constexpr std::size_t kShortText = 32;

std::optional<vok::services::DateFields> ReadText(const std::string& utf8,
                                                  const vok::services::DateLayoutShape& shape) {
  if (utf8.size() > kShortText || !vok::utf8::IsAscii(utf8)) {
    return vok::services::ReadDateFields(vok::services::ToCodePoints(utf8), shape);
  }
  std::array<char32_t, kShortText> codePoints;
  std::copy(utf8.begin(), utf8.end(), codePoints.begin());
  return vok::services::ReadDateFields(std::u32string_view(codePoints.data(), utf8.size()), shape);
}

}  // namespace

VOKImmDate::VOKImmDate(const VOKUnicodeString& text) {
  const vok::services::CurrentLayout& layout = vok::services::CurrentDateLayoutNow();
  std::optional<vok::services::DateFields> fields =
      vok::services::ReadFullWidth(text.ToUtf8(), layout.fullWidth, layout.shape);
  if (!fields) fields = ReadText(text.ToUtf8(), layout.shape);
  // VOKTime refuses what is no calendar date (30 February, month 13, year 0).
  if (fields) _time = VOKTime(fields->year, fields->month, fields->day, 0, 0, 0, 0);
}

VOKImmDate::~VOKImmDate() = default;

unsigned char VOKImmDate::IsThisThai() { return VOKHostSettings::IsThai() ? 1 : 0; }

void VOKImmDate::GetLocalDate(int& dayOrder, int& monthOrder, int& yearOrder, VOKUnicodeString* format, int*, int*,
                              int*, int*, VOKUnicodeString*) {
  const vok::services::CurrentLayout& current = vok::services::CurrentDateLayoutNow();
  dayOrder = current.shape.OrderOf(DateField::Day);
  monthOrder = current.shape.OrderOf(DateField::Month);
  yearOrder = current.shape.OrderOf(DateField::Year);
  if (format != nullptr) *format = VOKUnicodeString(std::string_view(current.layoutUtf8));
}
