// File: VOKCanvas.cpp
// The cell screen.
#include "front_end/paint/VOKCanvas.h"

#include <algorithm>

#include "front_end/text/Glyphs.h"

namespace {

const VOKCell kBlank{};

}  // namespace

VOKCanvas::VOKCanvas(int width, int height)
    : _width(std::max(width, 0)),
      _height(std::max(height, 0)),
      _cells(static_cast<std::size_t>(_width) * static_cast<std::size_t>(_height)) {}

const VOKCell& VOKCanvas::At(int x, int y) const {
  return inside(x, y) ? _cells[Index(x, y)] : kBlank;
}

// A wide glyph is written as its glyph and an empty cell; overwriting either
// half of one blanks the other half, so that no half glyph is left.
void VOKCanvas::put(int x, int y, const std::string& glyph, int width, VOKCellRole role) {
  for (int column = x; column < x + width; ++column) {
    if (!inside(column, y)) return;
    if (cell(column, y).glyph.empty() && inside(column - 1, y))
      cell(column - 1, y).glyph.assign(1, ' ');
    if (inside(column + 1, y) && cell(column + 1, y).glyph.empty())
      cell(column + 1, y).glyph.assign(1, ' ');
  }
  VOKCell& written = cell(x, y);
  written.glyph = glyph;
  written.role = role;
  if (width == 2) {
    cell(x + 1, y).glyph.clear();
    cell(x + 1, y).role = role;
  }
}

void VOKCanvas::Clear(const VOKCellRect& rect, VOKCellRole role) {
  for (int y = rect.y; y < rect.Bottom(); ++y) Repeat(rect.x, y, " ", rect.width, role);
}

int VOKCanvas::Text(int x, int y, std::string_view utf8, int maxColumns, VOKCellRole role) {
  int used = 0;
  for (const VOKGlyph& glyph : vok::text::Glyphs(utf8)) {
    if (used + glyph.width > maxColumns) break;
    if (x + used >= 0 && x + used + glyph.width <= _width)
      put(x + used, y, glyph.text, glyph.width, role);
    used += glyph.width;
  }
  return used;
}

void VOKCanvas::Repeat(int x, int y, std::string_view glyph, int count, VOKCellRole role) {
  const std::string written(glyph);
  for (int i = 0; i < count; ++i) {
    if (inside(x + i, y)) put(x + i, y, written, 1, role);
  }
}

std::string VOKCanvas::ToString() const {
  std::string text;
  for (int y = 0; y < _height; ++y) {
    std::string line;
    for (int x = 0; x < _width; ++x) line += At(x, y).glyph;
    line.erase(line.find_last_not_of(' ') + 1);
    text += line + '\n';
  }
  return text;
}
