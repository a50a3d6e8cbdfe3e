// File: VOKDlgGridConstraints.h
// A widget's place in its parent's grid: row and column (any integers; rows
// and columns no widget occupies take no room), and how many it spans.
// Each row is as high as its highest widget, each column as wide as its
// widest, one blank column between columns; a spanning widget widens the
// last row or column it spans. Spare room goes to the resizable rows and
// columns (VOKDlgFrame::SetGridRowResizable / SetGridColumnResizable).
//
// Justification flags place the widget inside its cell:
//   16 Stretch        fills the cell both ways (so 30 = 2|4|8|16 fills it)
//   1 Left, 2 Right   one of them pins the widget to that side at its
//                     natural width; both fill the width; neither centres
//   4 Top, 8 Bottom   the same downwards: 4 alone keeps the natural size at
//                     the top of the cell, centred across
// A frame with the Editable style bit fills its cell's width whatever its
// flags.
#pragma once

namespace VOKDlgJustify {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Top = 4;
inline constexpr int Bottom = 8;
inline constexpr int Stretch = 16;
}  // namespace VOKDlgJustify

/// A widget's place in its parent's grid (see the notes above).
struct VOKDlgGridConstraints {
  /// The row.
  int row = 0;
  /// The column.
  int column = 0;
  /// Rows spanned.
  int rowSpan = 1;
  /// Columns spanned.
  int columnSpan = 1;
  /// VOKDlgJustify flags.
  int justification = 0;

  /// Same place, spans and flags.
  friend bool operator==(const VOKDlgGridConstraints& a, const VOKDlgGridConstraints& b) {
    return a.row == b.row && a.column == b.column && a.rowSpan == b.rowSpan &&
           a.columnSpan == b.columnSpan && a.justification == b.justification;
  }
  /// Place, spans or flags differ.
  friend bool operator!=(const VOKDlgGridConstraints& a, const VOKDlgGridConstraints& b) {
    return !(a == b);
  }
};
