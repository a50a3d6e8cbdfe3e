// File: VOKCellText.cpp
// Terminal column widths, from ICU's character data.
#include "front_end/text/VOKCellText.h"

#include <unicode/uchar.h>

namespace {

bool isControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

}  // namespace

int VOKCharColumns(char32_t code) {
  if (code >= 0x20 && code < 0x7F) return 1;  // printable ASCII, most of what is drawn
  const auto c = static_cast<UChar32>(code);
  const int category = u_charType(c);
  if (category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK || category == U_FORMAT_CHAR) {
    return 0;
  }
  const int width = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
  return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

std::vector<VOKGlyph> VOKTextGlyphs(std::string_view utf8) {
  std::vector<VOKGlyph> glyphs;
  for (char32_t code : VOKDecodeUtf8(utf8)) {
    if (isControl(code)) code = U' ';
    const int columns = VOKCharColumns(code);
    if (columns == 0 && glyphs.empty()) glyphs.push_back({" ", 1});
    if (columns == 0) {
      vok::utf8::Append(code, glyphs.back().text);
      continue;
    }
    VOKGlyph glyph{"", columns};
    vok::utf8::Append(code, glyph.text);
    glyphs.push_back(std::move(glyph));
  }
  return glyphs;
}

int VOKTextColumns(std::string_view utf8) {
  int columns = 0;
  for (const VOKGlyph& glyph : VOKTextGlyphs(utf8)) columns += glyph.width;
  return columns;
}
