// File: DatePlaceholders.cpp
#include "base_runtime/DatePlaceholders.h"

#include <algorithm>
#include <iterator>

#include "base_runtime/CatalogMessage.h"
#include "base_runtime/Utf8Text.h"

namespace vok {
namespace {

std::u32string ReadPlaceholder(const char* key, const std::string& language) {
  const VOKUnicodeString text = CatalogMessage("VOKImmDate", key, language, nullptr, 0, "");
  return StripDecoration(VOKDecodeUtf8(text.ToUtf8()));
}

}  // namespace

DatePlaceholders ReadDatePlaceholders(const std::string& language) {
  return {ReadPlaceholder("Day.Title", language), ReadPlaceholder("Month.Title", language),
          ReadPlaceholder("Year.Title", language)};
}

std::u32string StripDecoration(std::u32string_view text) {
  std::u32string result;
  std::copy_if(text.begin(), text.end(), std::back_inserter(result),
               [](char32_t c) { return c != U'[' && c != U'~' && c != U']' && c != U' '; });
  return result;
}

}  // namespace vok
