// File: VOKCanvas.h
// A screen of character cells that the painter draws into. Each cell holds
// one glyph and the role of what was drawn there, so that a terminal can
// colour it; the text renderer only reads the glyphs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "front_end/FrontEndExport.h"
#include "front_end/layout/VOKCellRect.h"

enum class VOKCellRole : std::uint8_t {
  Blank,      // window background
  Border,     // window border and separators
  Title,      // window title
  Label,      // labels and message text
  Button,     // usable push buttons, the window's OK and Cancel
  Greyed,     // insensitive widgets
  Field,      // text of editors, combos and spinners
  Selected,   // selected text of the field being typed into
  Arrow,      // the arrows of combos and spinners
  Close,      // the close control
  List,       // an open combo list
  ListChosen  // the highlighted line of an open combo list
};

struct VOKCell {
  std::string glyph = " ";  // empty: the right half of a wide glyph
  VOKCellRole role = VOKCellRole::Blank;
};

class VOK_FRONTEND_API VOKCanvas {
 public:
  VOKCanvas(int width, int height);

  int Width() const { return _width; }
  int Height() const { return _height; }
  // Cells outside the canvas read as blank and ignore writes.
  const VOKCell& At(int x, int y) const;
  // A cell known to be inside the canvas, read without the check, for
  // loops over the whole canvas.
  const VOKCell& UncheckedAt(int x, int y) const { return _cells[Index(x, y)]; }

  // Blanks a rectangle with a role.
  void Clear(const VOKCellRect& rect, VOKCellRole role);
  // Writes text from (x, y) in at most maxColumns columns; a wide glyph
  // that would not fit is left out. Returns the columns written.
  int Text(int x, int y, std::string_view utf8, int maxColumns, VOKCellRole role);
  // Writes one glyph count times from (x, y) to the right.
  void Repeat(int x, int y, std::string_view glyph, int count, VOKCellRole role);

  // The glyphs, one line of text a canvas line, each ended by a newline,
  // without blanks at the line ends.
  std::string ToString() const;

 private:
  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < _width && y < _height; }
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(_width) +
           static_cast<std::size_t>(x);
  }
  VOKCell& cell(int x, int y) { return _cells[Index(x, y)]; }
  void put(int x, int y, const std::string& glyph, int width, VOKCellRole role);

  int _width;
  int _height;
  std::vector<VOKCell> _cells;
};
