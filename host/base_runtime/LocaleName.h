// File: LocaleName.h
// Reading POSIX locale values such as "de_AT.UTF-8@euro" into the language
// and locale the host supports.
#pragma once

#include <string>
#include <string_view>

namespace vok {

struct LocaleValue {
  std::string language;      // "en", "de", "fr" or "th"
  std::string localeName;    // ICU id, e.g. "de_AT"
  bool unsupported = false;  // the value named another language, or nothing readable
};

// "C", "POSIX" (with or without an encoding) and "" give English. A
// territory is kept when the value has one, else the language's usual one
// is added. Any other language, or a value of no locale shape, gives
// English with unsupported set.
LocaleValue ParseLocaleValue(std::string_view value);

}  // namespace vok
