// File: ThaiReferenceDate.cpp
// Moving date texts between the Gregorian and the Buddhist-era calendar of
// the Thai setting. Texts keep their Gregorian form; what the host displays
// carries the Buddhist-era year (Gregorian + 543) when the setting shows it.
#include <cstdio>
#include <optional>
#include <string>

#include "base_runtime/VOKHostSettings.h"
#include "services/CurrentDateLayout.h"
#include "services/DateText.h"
#include "services/VOKImmDate.h"

namespace {

using vok::services::DateField;
using vok::services::DateLayoutShape;

constexpr int kBuddhistEraOffset = 543;
// A four-digit year from here on is taken for a Buddhist-era one: 2443 BE
// is 1900, and no Gregorian year of the host's range comes near it.
constexpr int kFirstBuddhistEraYear = 2443;
constexpr std::size_t kYearDigits = 4;

bool ShowsBuddhistEra() { return VOKHostSettings::IsThai() && VOKHostSettings::ShowsBuddhistEra(); }

std::u32string FourDigits(int year) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d", year);
  return vok::services::ToCodePoints(buffer);
}

bool AllDigits(std::u32string_view text) {
  for (char32_t c : text) {
    if (!vok::services::IsAsciiDigit(c)) return false;
  }
  return true;
}

// The text is the layout with digits written over some of its characters.
bool FitsLayout(std::u32string_view text, std::u32string_view layout) {
  if (text.size() != layout.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != layout[i] && !vok::services::IsAsciiDigit(text[i])) return false;
  }
  return true;
}

std::optional<std::size_t> FirstRunOfFourDigits(std::u32string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = at;
    while (end < text.size() && vok::services::IsAsciiDigit(text[end])) ++end;
    if (end - at == kYearDigits) return at;
    at = end + 1;
  }
  return std::nullopt;
}

// Where the four-digit year of text starts; nullopt when the text holds
// none that can be rewritten (a two-digit year among them).
std::optional<std::size_t> LocateYear(std::u32string_view text) {
  const vok::services::CurrentLayout& current = vok::services::CurrentDateLayoutNow();
  const std::u32string_view layout = current.bare;
  const DateLayoutShape& shape = current.shape;
  if (!shape.HasField(DateField::Year) || !FitsLayout(text, layout)) return FirstRunOfFourDigits(text);
  const std::size_t at = static_cast<std::size_t>(shape.position[DateLayoutShape::Index(DateField::Year)]);
  const std::size_t width = static_cast<std::size_t>(shape.width[DateLayoutShape::Index(DateField::Year)]);
  if (width != kYearDigits || !AllDigits(text.substr(at, width))) return std::nullopt;
  return at;
}

VOKUnicodeString WithYear(std::u32string text, std::size_t at, int year) {
  text.replace(at, kYearDigits, FourDigits(year));
  return VOKUnicodeString(vok::services::ToUtf8(text));
}

VOKUnicodeString ShownYearOfToday() {
  const int year = VOKTime::GetCurrentLocalTime().GetYear(0);
  return VOKUnicodeString(std::to_string(ShowsBuddhistEra() ? year + kBuddhistEraOffset : year));
}

}  // namespace

void VOKImmDate::GetThaiReferenceDate(VOKUnicodeString& text, VOKTime, VOKUnicodeString& shown,
                                      VOKUnicodeString& year) {
  const std::u32string original = vok::services::ToCodePoints(text.ToUtf8());
  VOKUnicodeString gregorianText = text;
  VOKUnicodeString shownText = text;
  const std::optional<std::size_t> at = original.empty() ? std::nullopt : LocateYear(original);
  if (at) {
    const int written = vok::services::DigitsValue(std::u32string_view(original).substr(*at, kYearDigits));
    const int gregorian = written >= kFirstBuddhistEraYear ? written - kBuddhistEraOffset : written;
    gregorianText = WithYear(original, *at, gregorian);
    shownText = WithYear(original, *at, ShowsBuddhistEra() ? gregorian + kBuddhistEraOffset : gregorian);
  }
  year = ShownYearOfToday();
  text = gregorianText;
  shown = shownText;
}
