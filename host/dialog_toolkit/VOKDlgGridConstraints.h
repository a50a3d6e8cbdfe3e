// File: VOKDlgGridConstraints.h
// A widget's place in its parent's grid. Justification flags: 1 left,
// 2 right, 4 top, 8 bottom, 16 both directions stretch (2|4|8|16 = 30:
// fill the cell); a side without its flag floats toward the cell's centre.
#pragma once

namespace VOKDlgJustify {
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Top = 4;
inline constexpr int Bottom = 8;
inline constexpr int Stretch = 16;
}  // namespace VOKDlgJustify

struct VOKDlgGridConstraints {
  int row = 0;
  int column = 0;
  int rowSpan = 1;
  int columnSpan = 1;
  int justification = 0;

  friend bool operator==(const VOKDlgGridConstraints&, const VOKDlgGridConstraints&) = default;
};
