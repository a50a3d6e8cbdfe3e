// File: VOKUnicodeChar.cpp
#include <unicode/uchar.h>

#include "base_runtime/VOKUnicodeString.h"

unsigned char VOKUnicodeChar::IsDigit() const {
  // The only ASCII digits are 0 to 9; other scripts need ICU.
  if (_code < 0x80) return _code >= U'0' && _code <= U'9' ? 1 : 0;
  if (_code > 0x10FFFF) return 0;
  return u_isdigit(static_cast<UChar32>(_code)) ? 1 : 0;
}
