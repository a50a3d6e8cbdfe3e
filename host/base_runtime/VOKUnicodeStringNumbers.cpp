// File: VOKUnicodeStringNumbers.cpp
#include "base_runtime/IntegerFormat.h"
#include "base_runtime/Utf8Text.h"
#include "base_runtime/VOKUnicodeString.h"

int VOKUnicodeString::BuildFromNum(int value, const char* format) {
  std::optional<std::string> text = vok::FormatInteger(value, format);
  if (!text) return 0;
  // Literal text of the format may need the constructor's sanitising.
  if (!vok::utf8::IsAscii(*text)) {
    *this = VOKUnicodeString(std::string_view(*text));
    return 1;
  }
  _utf8 = std::move(*text);
  _ascii = true;
  return 1;
}

int VOKUnicodeString::ConvertToNum(int* value, const char* format) const {
  if (!value) return 0;
  std::optional<int> number = vok::ScanInteger(_utf8, format);
  if (!number) return 0;
  *value = *number;
  return 1;
}
