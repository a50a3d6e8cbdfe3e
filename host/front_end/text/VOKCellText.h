// File: VOKCellText.h
// UTF-8 text as a terminal shows it: a glyph is one spacing character with
// the combining marks that follow it (Thai vowel and tone marks among them)
// and takes one column, or two for wide (East Asian) characters. The widths
// come from ICU's character properties, not the process locale, so the text
// renderer gives the same result everywhere.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base_runtime/Utf8Text.h"  // VOKDecodeUtf8, VOKEncodeUtf8
#include "front_end/FrontEndExport.h"

struct VOKGlyph {
  std::string text;  // UTF-8: the character and its combining marks
  int width = 1;     // 1 or 2 columns
};

// Columns a character takes: 0 for combining marks and zero-width
// characters, 2 for wide characters, else 1.
VOK_FRONTEND_API int VOKCharColumns(char32_t code);

// The glyphs of a text. Malformed bytes become U+FFFD; control characters
// (tabs and line breaks among them) become a blank; a combining mark with
// no character before it is set on a blank.
VOK_FRONTEND_API std::vector<VOKGlyph> VOKTextGlyphs(std::string_view utf8);

// Columns the text takes on a terminal.
VOK_FRONTEND_API int VOKTextColumns(std::string_view utf8);
