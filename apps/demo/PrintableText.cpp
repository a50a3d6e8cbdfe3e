// File: PrintableText.cpp
#include "demo/PrintableText.h"

#include <cstdio>

#include "front_end/text/VOKCellText.h"

namespace vok_demo {

namespace {

bool isControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

std::string escaped(char32_t code) {
  char text[8];
  std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned>(code));
  return text;
}

}  // namespace

std::string Printable(std::string_view text, int maxColumns) {
  std::string shown;
  int columns = 0;
  for (const char32_t code : VOKDecodeUtf8(text)) {
    const std::string piece = isControl(code) ? escaped(code) : VOKEncodeUtf8({&code, 1});
    const int width = isControl(code) ? static_cast<int>(piece.size()) : VOKCharColumns(code);
    if (columns + width > maxColumns) return shown + "…";
    shown += piece;
    columns += width;
  }
  return shown;
}

}  // namespace vok_demo
