// File: DatePlaceholders.h
// The localized texts that stand for day, month and year in the host's date
// layouts: keys "Day.Title", "Month.Title" and "Year.Title" of catalog
// "VOKImmDate", without their decoration.
#pragma once

#include <string>
#include <string_view>

namespace vok {

struct DatePlaceholders {
  std::u32string day;
  std::u32string month;
  std::u32string year;

  bool IsComplete() const { return !day.empty() && !month.empty() && !year.empty(); }
};

// The placeholders of the catalogs in a language (English where it has none).
DatePlaceholders ReadDatePlaceholders(const std::string& language);

// The text without the decoration characters "[", "~", "]" and blanks that
// the host's layouts and placeholders may carry.
std::u32string StripDecoration(std::u32string_view text);

}  // namespace vok
