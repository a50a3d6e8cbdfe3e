// File: TextWrap.cpp
#include "front_end/text/TextWrap.h"

#include <algorithm>

#include "front_end/text/VOKCellText.h"

namespace vok::text {

namespace {

struct Line {
  std::string text;
  int columns = 0;
};

// A word goes on the line after a blank, or starts a new line; a word
// wider than a whole line is cut glyph by glyph.
void addWord(std::vector<Line>& lines, const std::vector<VOKGlyph>& word, int columns) {
  int width = 0;
  for (const VOKGlyph& glyph : word) width += glyph.width;
  Line& last = lines.back();
  if (last.columns > 0 && last.columns + 1 + width <= columns) {
    last.text += ' ';
    ++last.columns;
  } else if (last.columns > 0) {
    lines.emplace_back();
  }
  for (const VOKGlyph& glyph : word) {
    if (lines.back().columns + glyph.width > columns && lines.back().columns > 0)
      lines.emplace_back();
    lines.back().text += glyph.text;
    lines.back().columns += glyph.width;
  }
}

}  // namespace

std::vector<std::string> Wrap(std::string_view utf8, int columns) {
  columns = std::max(columns, 1);
  std::vector<Line> lines(1);
  std::vector<VOKGlyph> word;
  for (VOKGlyph& glyph : VOKTextGlyphs(utf8)) {
    if (glyph.text != " ") {
      word.push_back(std::move(glyph));
      continue;
    }
    if (!word.empty()) addWord(lines, word, columns);
    word.clear();
  }
  if (!word.empty()) addWord(lines, word, columns);
  std::vector<std::string> texts;
  texts.reserve(lines.size());
  for (Line& line : lines) texts.push_back(std::move(line.text));
  return texts;
}

}  // namespace vok::text
