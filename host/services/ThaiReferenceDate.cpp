// File: ThaiReferenceDate.cpp
// Moving date texts between the Gregorian and the Buddhist-era calendar of
// the Thai setting. Texts keep their Gregorian form; what the host displays
// carries the Buddhist-era year (Gregorian + 543) when the setting shows it.
#include <algorithm>
#include <optional>
#include <string>

#include "base_runtime/Utf8Text.h"
#include "base_runtime/VOKHostSettings.h"
#include "services/DateDigits.h"
#include "services/VOKImmDate.h"

namespace {

using vok::DateField;
using vok::DateLayoutShape;

constexpr int kBuddhistEraOffset = 543;
// A four-digit year from here on is taken for a Buddhist-era one: 2443 BE
// is 1900, and no Gregorian year of the host's range comes near it.
constexpr int kFirstBuddhistEraYear = 2443;
constexpr std::size_t kYearDigits = 4;

// Every call reads one locale: the one current when it starts.
class YearRewriter {
 public:
  explicit YearRewriter(const vok::HostLocale& locale)
      : _layout(locale.dateLayout), _showsBuddhistEra(locale.thai && locale.buddhistEra) {}

  bool IsDigit(char32_t c) const { return vok::services::DateDigitValue(c, true) >= 0; }

  // Where the four-digit year of text starts; nullopt when the text holds
  // none that can be rewritten (a two-digit year among them).
  std::optional<std::size_t> LocateYear(std::u32string_view text) const {
    const DateLayoutShape& shape = _layout.shape;
    if (!shape.HasField(DateField::Year) || !FitsLayout(text)) return FirstRunOfFourDigits(text);
    const auto at = static_cast<std::size_t>(shape.position[DateLayoutShape::Index(DateField::Year)]);
    const auto width = static_cast<std::size_t>(shape.width[DateLayoutShape::Index(DateField::Year)]);
    const std::u32string_view year = text.substr(at, width);
    if (width != kYearDigits || !std::all_of(year.begin(), year.end(), [this](char32_t c) { return IsDigit(c); })) {
      return std::nullopt;
    }
    return at;
  }

  int YearAt(std::u32string_view text, std::size_t at) const {
    int year = 0;
    for (const char32_t c : text.substr(at, kYearDigits)) year = year * 10 + vok::services::DateDigitValue(c, true);
    return year;
  }

  int Shown(int gregorian) const { return _showsBuddhistEra ? gregorian + kBuddhistEraOffset : gregorian; }

 private:
  // The text is the layout with digits written over some of its characters.
  bool FitsLayout(std::u32string_view text) const {
    const std::u32string_view layout = _layout.bare;
    if (text.size() != layout.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] != layout[i] && !IsDigit(text[i])) return false;
    }
    return true;
  }

  std::optional<std::size_t> FirstRunOfFourDigits(std::u32string_view text) const {
    std::size_t at = 0;
    while (at < text.size()) {
      std::size_t end = at;
      while (end < text.size() && IsDigit(text[end])) ++end;
      if (end - at == kYearDigits) return at;
      at = end + 1;
    }
    return std::nullopt;
  }

  const vok::DateLayout& _layout;
  bool _showsBuddhistEra;
};

VOKUnicodeString WithYear(std::u32string text, std::size_t at, int year) {
  std::u32string digits = U"0000";
  for (std::size_t i = kYearDigits; i-- > 0; year /= 10) digits[i] = U'0' + static_cast<char32_t>(year % 10);
  text.replace(at, kYearDigits, digits);
  return VOKUnicodeString(VOKEncodeUtf8(text));
}

}  // namespace

void VOKImmDate::GetThaiReferenceDate(VOKUnicodeString& text, VOKTime, VOKUnicodeString& shown,
                                      VOKUnicodeString& year) {
  const YearRewriter rewriter(vok::CurrentLocale());
  const std::u32string original = VOKDecodeUtf8(text.ToUtf8());
  VOKUnicodeString gregorianText = text;
  VOKUnicodeString shownText = text;
  const std::optional<std::size_t> at = original.empty() ? std::nullopt : rewriter.LocateYear(original);
  if (at) {
    const int written = rewriter.YearAt(original, *at);
    const int gregorian = written >= kFirstBuddhistEraYear ? written - kBuddhistEraOffset : written;
    gregorianText = WithYear(original, *at, gregorian);
    shownText = WithYear(original, *at, rewriter.Shown(gregorian));
  }
  year = VOKUnicodeString(std::to_string(rewriter.Shown(VOKTime::GetCurrentLocalTime().GetYear(0))));
  text = gregorianText;
  shown = shownText;
}
