// File: VOKCellText.cpp
// UTF-8 decoding and terminal column widths, from ICU's character data.
#include "front_end/text/VOKCellText.h"

#include <cstdint>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

bool isScalar(char32_t code) { return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF); }

void encode(char32_t code, std::string& out) {
  char bytes[U8_MAX_LENGTH];
  std::size_t length = 0;
  U8_APPEND_UNSAFE(bytes, length, isScalar(code) ? code : kReplacement);
  out.append(bytes, length);
}

}  // namespace

int VOKCharColumns(char32_t code) {
  const auto c = static_cast<UChar32>(code);
  const int category = u_charType(c);
  if (category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK || category == U_FORMAT_CHAR) {
    return 0;
  }
  const int width = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
  return width == U_EA_WIDE || width == U_EA_FULLWIDTH ? 2 : 1;
}

std::u32string VOKDecodeUtf8(std::string_view utf8) {
  std::u32string text;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(utf8.data());
  const auto length = static_cast<std::int32_t>(utf8.size());
  for (std::int32_t pos = 0; pos < length;) {
    UChar32 code;
    U8_NEXT(bytes, pos, length, code);
    text += code < 0 ? kReplacement : static_cast<char32_t>(code);
  }
  return text;
}

std::string VOKEncodeUtf8(std::u32string_view text) {
  std::string utf8;
  for (char32_t code : text) encode(code, utf8);
  return utf8;
}

std::vector<VOKGlyph> VOKTextGlyphs(std::string_view utf8) {
  std::vector<VOKGlyph> glyphs;
  for (char32_t code : VOKDecodeUtf8(utf8)) {
    if (isControl(code)) code = U' ';
    const int columns = VOKCharColumns(code);
    if (columns == 0 && glyphs.empty()) glyphs.push_back({" ", 1});
    if (columns == 0) {
      encode(code, glyphs.back().text);
      continue;
    }
    VOKGlyph glyph{"", columns};
    encode(code, glyph.text);
    glyphs.push_back(std::move(glyph));
  }
  return glyphs;
}

int VOKTextColumns(std::string_view utf8) {
  int columns = 0;
  for (const VOKGlyph& glyph : VOKTextGlyphs(utf8)) columns += glyph.width;
  return columns;
}
