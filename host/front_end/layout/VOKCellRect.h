// File: VOKCellRect.h
// Sizes and rectangles on a character-cell screen: x grows to the right,
// y downwards, both counted in terminal columns and lines from 0.
#pragma once

struct VOKCellSize {
  int width = 0;
  int height = 0;

  friend bool operator==(const VOKCellSize&, const VOKCellSize&) = default;
};

struct VOKCellPoint {
  int x = 0;
  int y = 0;

  friend bool operator==(const VOKCellPoint&, const VOKCellPoint&) = default;
};

struct VOKCellRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int Right() const { return x + width; }    // first column past the rectangle
  int Bottom() const { return y + height; }  // first line past the rectangle
  bool Contains(int column, int line) const {
    return column >= x && column < Right() && line >= y && line < Bottom();
  }
  VOKCellRect Moved(int dx, int dy) const { return {x + dx, y + dy, width, height}; }

  friend bool operator==(const VOKCellRect&, const VOKCellRect&) = default;
};
