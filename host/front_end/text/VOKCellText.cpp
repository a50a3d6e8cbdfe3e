// File: VOKCellText.cpp
// Terminal column widths, from ICU's character data.
#include "front_end/text/VOKCellText.h"

#include <unicode/uchar.h>

#include <functional>
#include <string>
#include <unordered_map>

#include "front_end/text/Glyphs.h"

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

namespace vok::text {

namespace {

std::vector<VOKGlyph> SplitGlyphs(std::string_view utf8) {
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

struct TextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const {
    return std::hash<std::string_view>{}(text);
  }
};

// Texts once split, by thread (the web server's threads paint too). Every
// picture measures and draws the same labels again, key after key; the
// bound keeps typed text from growing the table without end.
constexpr std::size_t kKeptTexts = 1024;

}  // namespace

const std::vector<VOKGlyph>& Glyphs(std::string_view utf8) {
  thread_local std::unordered_map<std::string, std::vector<VOKGlyph>, TextHash, std::equal_to<>>
      split;
  if (auto known = split.find(utf8); known != split.end()) return known->second;
  if (split.size() >= kKeptTexts) split.clear();
  return split.emplace(std::string(utf8), SplitGlyphs(utf8)).first->second;
}

}  // namespace vok::text

std::vector<VOKGlyph> VOKTextGlyphs(std::string_view utf8) { return vok::text::Glyphs(utf8); }

int VOKTextColumns(std::string_view utf8) {
  int columns = 0;
  for (const VOKGlyph& glyph : vok::text::Glyphs(utf8)) columns += glyph.width;
  return columns;
}
