// File: NumberFormatConversion.h
// Internal to NumberFormat: finding the one conversion of a format.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace vok::number_format {

struct Conversion {
  std::size_t percentAt = 0;  // the '%' that starts it
  std::size_t letterAt = 0;   // the conversion letter, which ends it
  std::string_view flags;     // of "-+ #0", as written
  int width = 0;              // 0: none
  bool hasPrecision = false;
  int precision = 0;
  char letter = '\0';
};

bool IsInteger(char c);

// The format's single conversion: flags, a width and a precision of at most
// 64 and a conversion letter, every other '%' written "%%". nullopt for no
// conversion, more than one, or one of another form ("*", a length
// modifier, a letter of no number).
std::optional<Conversion> SingleConversion(std::string_view format);

}  // namespace vok::number_format
