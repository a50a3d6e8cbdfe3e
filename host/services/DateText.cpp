// File: DateText.cpp
#include "services/DateText.h"

#include <unicode/unistr.h>

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace vok::services {

std::u32string ToCodePoints(std::string_view utf8) {
  // Anything longer than ICU can index is no date text; its tail is dropped.
  const std::size_t length = std::min<std::size_t>(utf8.size(), INT32_MAX);
  const icu::UnicodeString text =
      icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(length)));
  std::u32string result(static_cast<std::size_t>(text.countChar32()), U'\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t written = text.toUTF32(reinterpret_cast<UChar32*>(result.data()),
                                       static_cast<int32_t>(result.size()), status);
  result.resize(U_SUCCESS(status) ? static_cast<std::size_t>(written) : 0);
  return result;
}

std::string ToUtf8(std::u32string_view text) {
  const icu::UnicodeString unicode = icu::UnicodeString::fromUTF32(
      reinterpret_cast<const UChar32*>(text.data()), static_cast<int32_t>(text.size()));
  std::string result;
  unicode.toUTF8String(result);
  return result;
}

std::u32string StripDecoration(std::u32string_view text) {
  std::u32string result;
  std::copy_if(text.begin(), text.end(), std::back_inserter(result), [](char32_t c) {
    return c != U'[' && c != U'~' && c != U']' && c != U' ';
  });
  return result;
}

int DigitsValue(std::u32string_view digits) {
  int value = 0;
  for (char32_t c : digits) value = value * 10 + static_cast<int>(c - U'0');
  return value;
}

}  // namespace vok::services
