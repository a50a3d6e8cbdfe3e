// File: PrintableText.h
// Outside text (a script line, a TERM value) made safe to echo on a
// terminal: control characters written as \xNN escapes, malformed UTF-8 as
// U+FFFD, and, where a number of columns is given, the text cut after them
// with "…". Names of files are never cut: they must stay usable.
#pragma once

#include <limits>
#include <string>
#include <string_view>

namespace vok_demo {

inline constexpr int kWholeText = std::numeric_limits<int>::max();

std::string Printable(std::string_view text, int maxColumns = kWholeText);

}  // namespace vok_demo
