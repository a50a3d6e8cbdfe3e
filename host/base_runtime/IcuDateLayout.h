// File: IcuDateLayout.h
// The date layout of a locale, derived from ICU's short date pattern and
// written with the catalog's placeholders: "M/d/yy" becomes "mm/dd/yyyy".
#pragma once

#include <string>
#include <string_view>

#include "base_runtime/DatePlaceholders.h"

namespace vok {

// Every run of day letters becomes the day placeholder, a numeric month run
// the month placeholder and a year run the full year placeholder (so that a
// conversion format always writes four-digit years). Other characters that
// are neither letters nor invisible format marks stay as separators; quoted
// literals and other fields are dropped. "" when the pattern does not hold
// day, numeric month and year exactly once each, or a placeholder is empty.
std::u32string LayoutFromPattern(std::u32string_view pattern, const DatePlaceholders& placeholders);

// The short date pattern of the locale in its preferred calendar, from
// ICU's locale data; "" when the data has none.
std::u32string ShortDatePattern(const std::string& localeName);

}  // namespace vok
