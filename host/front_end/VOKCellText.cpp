// File: VOKCellText.cpp
// UTF-8 decoding and terminal column widths.
#include "VOKCellText.h"

#include <algorithm>
#include <array>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct CodeRange {
  char32_t first;
  char32_t last;
};

// Combining marks and zero-width characters of the scripts a host shows.
constexpr std::array kZeroWidth{
    CodeRange{0x0300, 0x036F}, CodeRange{0x0483, 0x0489}, CodeRange{0x0591, 0x05BD},
    CodeRange{0x0610, 0x061A}, CodeRange{0x064B, 0x065F}, CodeRange{0x0E31, 0x0E31},
    CodeRange{0x0E34, 0x0E3A}, CodeRange{0x0E47, 0x0E4E}, CodeRange{0x0EB1, 0x0EB1},
    CodeRange{0x0EB4, 0x0EBC}, CodeRange{0x0EC8, 0x0ECD}, CodeRange{0x1AB0, 0x1AFF},
    CodeRange{0x1DC0, 0x1DFF}, CodeRange{0x200B, 0x200F}, CodeRange{0x202A, 0x202E},
    CodeRange{0x2060, 0x2064}, CodeRange{0x20D0, 0x20FF}, CodeRange{0xFE00, 0xFE0F},
    CodeRange{0xFE20, 0xFE2F}, CodeRange{0xFEFF, 0xFEFF}};

// East Asian wide and full-width characters.
constexpr std::array kWide{
    CodeRange{0x1100, 0x115F},   CodeRange{0x231A, 0x231B},   CodeRange{0x2329, 0x232A},
    CodeRange{0x2E80, 0x303E},   CodeRange{0x3041, 0x33FF},   CodeRange{0x3400, 0x4DBF},
    CodeRange{0x4E00, 0x9FFF},   CodeRange{0xA000, 0xA4CF},   CodeRange{0xAC00, 0xD7A3},
    CodeRange{0xF900, 0xFAFF},   CodeRange{0xFE30, 0xFE4F},   CodeRange{0xFF00, 0xFF60},
    CodeRange{0xFFE0, 0xFFE6},   CodeRange{0x1F300, 0x1F64F}, CodeRange{0x1F900, 0x1F9FF},
    CodeRange{0x20000, 0x2FFFD}, CodeRange{0x30000, 0x3FFFD}};

template <std::size_t N>
bool inRanges(const std::array<CodeRange, N>& ranges, char32_t code) {
  return std::any_of(ranges.begin(), ranges.end(), [code](const CodeRange& range) {
    return code >= range.first && code <= range.last;
  });
}

bool isControl(char32_t code) { return code < 0x20 || (code >= 0x7F && code < 0xA0); }

int sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// The character at pos; pos moves past it (one byte for a malformed one).
char32_t decodeNext(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const int length = sequenceLength(lead);
  if (length == 1) {
    ++pos;
    return lead;
  }
  if (length == 0 || pos + static_cast<std::size_t>(length) > text.size()) {
    ++pos;
    return kReplacement;
  }
  char32_t code = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    code = (code << 6) | (next & 0x3F);
  }
  static constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[static_cast<std::size_t>(length)] || code > 0x10FFFF ||
      (code >= 0xD800 && code <= 0xDFFF)) {
    ++pos;
    return kReplacement;
  }
  pos += static_cast<std::size_t>(length);
  return code;
}

void encode(char32_t code, std::string& out) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace

int VOKCharColumns(char32_t code) {
  if (inRanges(kZeroWidth, code)) return 0;
  return inRanges(kWide, code) ? 2 : 1;
}

std::u32string VOKDecodeUtf8(std::string_view utf8) {
  std::u32string text;
  for (std::size_t pos = 0; pos < utf8.size();) text += decodeNext(utf8, pos);
  return text;
}

std::string VOKEncodeUtf8(std::u32string_view text) {
  std::string utf8;
  for (char32_t code : text) {
    const bool scalar = code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    encode(scalar ? code : kReplacement, utf8);
  }
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
