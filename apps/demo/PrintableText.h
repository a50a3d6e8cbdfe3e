// File: PrintableText.h
// Outside text (a script line, a TERM value) made safe to echo on a
// terminal: control characters written as \xNN escapes, malformed UTF-8 as
// U+FFFD, and the text cut after a number of columns with "…".
#pragma once

#include <string>
#include <string_view>

namespace vok_demo {

std::string Printable(std::string_view text, int maxColumns);

}  // namespace vok_demo
