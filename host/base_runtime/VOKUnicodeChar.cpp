// File: VOKUnicodeChar.cpp
#include <unicode/uchar.h>

#include "base_runtime/VOKUnicodeString.h"

unsigned char VOKUnicodeChar::IsOtherDigit() const {
  if (_code > 0x10FFFF) return 0;
  return u_isdigit(static_cast<UChar32>(_code)) ? 1 : 0;
}
