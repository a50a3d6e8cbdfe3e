// File: VOKDateText.cpp
#include "services/VOKDateText.h"

#include <cstdint>
#include <string_view>

#include "base_runtime/Utf8Text.h"
#include "services/DateTextReader.h"
#include "services/EraText.h"

namespace {

VOKUnicodeString FromUtf32(std::u32string_view text) {
  return VOKUnicodeString(std::string_view(VOKEncodeUtf8(text)));
}

// Each character of text is the format's at its place or a digit: so
// separators are typed as they stand, placeholders take digits, and a
// digit in place of a separator is left for the reading to refuse.
bool HasShapeOf(const VOKUnicodeString& text, const VOKUnicodeString& format) {
  const std::size_t textEnd = text.ToUtf8().size();
  const std::size_t formatEnd = format.ToUtf8().size();
  std::size_t t = 0;
  std::size_t f = 0;
  while (t < textEnd && f < formatEnd) {
    const VOKUnicodeChar c = text.NextChar(t);
    if (c != format.NextChar(f) && !c.IsDigit()) return false;
  }
  return t == textEnd && f == formatEnd;
}

}  // namespace

VOKUnicodeString VOKConversionFormat(VOKUnicodeString layout,
                                     const VOKDatePlaceholderTexts& placeholders) {
  // A year placeholder of two characters or fewer stands for a two-digit year.
  layout.ReplaceAll(placeholders.year, placeholders.year.GetLengthInChar() > 2 ? "%Y" : "%y");
  layout.ReplaceAll(placeholders.month, "%m");
  layout.ReplaceAll(placeholders.day, "%d");
  return layout;
}

VOKDateText::VOKDateText(const vok::HostLocale& locale)
    : VOKDateText(locale, FromUtf32(vok::StripDecoration(VOKDecodeUtf8(locale.dateLayout.text))),
                  {FromUtf32(locale.dateLayout.placeholders.day),
                   FromUtf32(locale.dateLayout.placeholders.month),
                   FromUtf32(locale.dateLayout.placeholders.year)}) {}

VOKDateText::VOKDateText(const vok::HostLocale& locale, const VOKUnicodeString& layout,
                         const VOKDatePlaceholderTexts& placeholders)
    : _displayFormat(layout),
      _conversionFormat(VOKConversionFormat(layout, placeholders)),
      _layout(locale.dateLayout.shape),
      _calendar(locale.calendar) {}

VOKDateText VOKDateText::WithDisplayFormat(const VOKUnicodeString& shape) const {
  VOKDateText copy(*this);
  copy._displayFormat = shape;
  return copy;
}

VOKDateText::Verdict VOKDateText::Judge(const VOKUnicodeString& text) const {
  VOKTime date;
  return Read(text, date);
}

VOKDateText::Verdict VOKDateText::Read(const VOKUnicodeString& text, VOKTime& date) const {
  if (text.IsEmpty() || !HasShapeOf(text, _displayFormat)) return Verdict::InvalidFormat;
  std::int64_t midnight = 0;
  if (!vok::services::ReadDate(text.ToUtf8(), _layout, _calendar.thaiDigits, midnight))
    return Verdict::InvalidValue;
  date.Settime_t(midnight);
  return Verdict::ValidDate;
}

VOKUnicodeString VOKDateText::Write(const VOKTime& date) const {
  return date.ConvertToString(_conversionFormat, 0);
}

VOKUnicodeString VOKDateText::Shown(const VOKUnicodeString& text) const {
  return VOKUnicodeString(
      std::string_view(vok::services::RewriteYear(text.ToUtf8(), _layout, _calendar).shown));
}

VOKUnicodeString VOKDateText::Gregorian(const VOKUnicodeString& text) const {
  return VOKUnicodeString(
      std::string_view(vok::services::RewriteYear(text.ToUtf8(), _layout, _calendar).gregorian));
}
