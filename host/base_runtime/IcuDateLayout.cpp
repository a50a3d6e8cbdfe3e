// File: IcuDateLayout.cpp
#include "base_runtime/IcuDateLayout.h"

#include <unicode/uchar.h>

#include "base_runtime/LocaleResources.h"
#include "base_runtime/Utf8Text.h"

namespace vok {
namespace {

constexpr bool IsPatternLetter(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

// Counts how often each field was written, to refuse patterns that repeat
// or lack one.
struct FieldCounts {
  int day = 0;
  int month = 0;
  int year = 0;
  bool EachOnce() const { return day == 1 && month == 1 && year == 1; }
};

// The placeholder for a run of one pattern letter, or null for a field the
// layout cannot express.
const std::u32string* PlaceholderFor(char32_t letter, std::size_t runLength,
                                     const DatePlaceholders& placeholders, FieldCounts& counts) {
  switch (letter) {
    case U'd':
      ++counts.day;
      return &placeholders.day;
    case U'M':
    case U'L':
      if (runLength > 2) return nullptr;  // a month name, not a number
      ++counts.month;
      return &placeholders.month;
    case U'y':
      ++counts.year;
      return &placeholders.year;
    default:
      return nullptr;
  }
}

bool IsSeparator(char32_t c) { return u_charType(static_cast<UChar32>(c)) != U_FORMAT_CHAR; }

}  // namespace

std::u32string LayoutFromPattern(std::u32string_view pattern,
                                 const DatePlaceholders& placeholders) {
  if (!placeholders.IsComplete()) return {};
  std::u32string layout;
  FieldCounts counts;
  bool quoted = false;
  for (std::size_t at = 0; at < pattern.size();) {
    const char32_t c = pattern[at];
    if (c == U'\'') {
      quoted = !quoted;  // "''" toggles twice: an escaped quote, dropped too
      ++at;
    } else if (quoted) {
      ++at;
    } else if (IsPatternLetter(c)) {
      const std::size_t end = pattern.find_first_not_of(c, at);
      const std::size_t run = (end == std::u32string_view::npos ? pattern.size() : end) - at;
      if (const std::u32string* placeholder = PlaceholderFor(c, run, placeholders, counts))
        layout += *placeholder;
      at += run;
    } else {
      if (IsSeparator(c)) layout.push_back(c);
      ++at;
    }
  }
  return counts.EachOnce() ? layout : std::u32string();
}

std::u32string ShortDatePattern(const std::string& localeName) {
  // A calendar's patterns start with four time patterns (full to short),
  // then four date patterns; a calendar without patterns of its own uses
  // the Gregorian ones.
  constexpr std::size_t kShortDate = 7;
  for (const std::string& calendar : {PreferredCalendar(localeName), std::string("gregorian")}) {
    const std::vector<std::string> patterns =
        LocaleStrings(localeName, "calendar/" + calendar + "/DateTimePatterns");
    if (patterns.size() > kShortDate) return VOKDecodeUtf8(patterns[kShortDate]);
  }
  return {};
}

}  // namespace vok
