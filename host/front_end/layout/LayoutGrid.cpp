// File: LayoutGrid.cpp
// Grid containers: each row is as high as its highest widget and each
// column as wide as its widest; spanning widgets widen the last row or
// column they span. Rows and columns that no widget occupies take no room.
// A container given more room than it needs hands the spare columns (lines)
// to its resizable columns (rows), in equal parts; without any, the spare
// room stays right of (below) the grid.
#include <algorithm>
#include <map>

#include "dialog_toolkit/VOKDlgFrame.h"
#include "front_end/layout/LayoutEngine.h"

namespace vok::layout {

namespace {

struct Cell {
  const VOKDialog* widget;
  VOKDlgGridConstraints place;
  VOKCellSize natural;
};

// One axis of the grid: the size of each occupied index, in index order.
struct Axis {
  std::map<int, int> sizes;
  int gap = 0;

  int Total() const {
    int total = 0;
    for (const auto& [index, size] : sizes) total += size;
    return total + gap * std::max(static_cast<int>(sizes.size()) - 1, 0);
  }
  int Span(int first, int count) const {
    int total = 0;
    int present = 0;
    for (auto it = sizes.lower_bound(first); it != sizes.end() && it->first < first + count; ++it) {
      total += it->second;
      ++present;
    }
    return total + gap * std::max(present - 1, 0);
  }
  void Require(int first, int count, int size) {
    const int missing = size - Span(first, count);
    if (missing > 0) sizes[first + count - 1] += missing;
  }
  // Offsets of each index from the start of the axis.
  std::map<int, int> Offsets() const {
    std::map<int, int> offsets;
    int offset = 0;
    for (const auto& [index, size] : sizes) {
      offsets[index] = offset;
      offset += size + gap;
    }
    return offsets;
  }
};

// Widgets without a grid place go on rows of their own under the grid,
// across all its columns, at their natural size.
std::vector<Cell> cellsOf(Engine& engine, const VOKDialog& container) {
  std::vector<Cell> cells;
  std::vector<const VOKDialog*> homeless;
  int lastRow = 0;
  int firstColumn = 0;
  int columnEnd = 1;
  for (const VOKDialog* child : LaidChildren(container)) {
    const VOKDlgGridConstraints* place = child->GetGridConstraints();
    if (place == nullptr) {
      homeless.push_back(child);
      continue;
    }
    VOKDlgGridConstraints clean = *place;
    clean.rowSpan = std::max(clean.rowSpan, 1);
    clean.columnSpan = std::max(clean.columnSpan, 1);
    if (cells.empty()) {
      lastRow = clean.row + clean.rowSpan - 1;
      firstColumn = clean.column;
      columnEnd = clean.column + clean.columnSpan;
    }
    lastRow = std::max(lastRow, clean.row + clean.rowSpan - 1);
    firstColumn = std::min(firstColumn, clean.column);
    columnEnd = std::max(columnEnd, clean.column + clean.columnSpan);
    cells.push_back({child, clean, engine.Natural(*child)});
  }
  for (const VOKDialog* child : homeless) {
    const VOKDlgGridConstraints place{++lastRow, firstColumn, 1, columnEnd - firstColumn,
                                      VOKDlgJustify::Left | VOKDlgJustify::Top};
    cells.push_back({child, place, engine.Natural(*child)});
  }
  return cells;
}

void measure(const std::vector<Cell>& cells, Axis& columns, Axis& rows) {
  columns.gap = kGap;
  for (const Cell& cell : cells) {
    for (int i = 0; i < cell.place.columnSpan; ++i)
      columns.sizes.try_emplace(cell.place.column + i, 0);
    for (int i = 0; i < cell.place.rowSpan; ++i) rows.sizes.try_emplace(cell.place.row + i, 0);
  }
  // Single cells first, so that spans only add what is still missing.
  for (bool spanning : {false, true}) {
    for (const Cell& cell : cells) {
      if ((cell.place.columnSpan > 1) == spanning) {
        columns.Require(cell.place.column, cell.place.columnSpan, cell.natural.width);
      }
      if ((cell.place.rowSpan > 1) == spanning) {
        rows.Require(cell.place.row, cell.place.rowSpan, cell.natural.height);
      }
    }
  }
}

template <class IsResizable>
void spread(Axis& axis, int room, IsResizable isResizable) {
  std::vector<int> resizable;
  for (const auto& [index, size] : axis.sizes) {
    if (isResizable(index)) resizable.push_back(index);
  }
  int spare = room - axis.Total();
  if (spare <= 0 || resizable.empty()) return;
  const int count = static_cast<int>(resizable.size());
  for (int i = 0; i < count; ++i) {
    axis.sizes[resizable[i]] += spare / count + (i < spare % count ? 1 : 0);
  }
}

// One direction of a widget inside its cell: the flags pinning its start
// and its end side; Stretch fills the cell.
std::pair<int, int> justify(int cellStart, int cellSize, int natural, int flags, int startFlag,
                            int endFlag, bool fill) {
  if (fill || (flags & VOKDlgJustify::Stretch) != 0 || ((flags & startFlag) && (flags & endFlag))) {
    return {cellStart, cellSize};
  }
  const int size = std::min(natural, cellSize);
  if (flags & startFlag) return {cellStart, size};
  if (flags & endFlag) return {cellStart + cellSize - size, size};
  return {cellStart + (cellSize - size) / 2, size};
}

VOKCellRect placeInCell(const Cell& cell, const VOKCellRect& area) {
  const int flags = cell.place.justification;
  const auto [x, width] =
      justify(area.x, area.width, cell.natural.width, flags, VOKDlgJustify::Left,
              VOKDlgJustify::Right, FillsParentWidth(*cell.widget));
  const auto [y, height] = justify(area.y, area.height, cell.natural.height, flags,
                                   VOKDlgJustify::Top, VOKDlgJustify::Bottom, false);
  return {x, y, width, height};
}

}  // namespace

VOKCellSize GridNatural(Engine& engine, const VOKDialog& container) {
  Axis columns;
  Axis rows;
  measure(cellsOf(engine, container), columns, rows);
  return {columns.Total(), rows.Total()};
}

Placement ArrangeGrid(Engine& engine, const VOKDialog& container, const VOKCellRect& rect) {
  const std::vector<Cell> cells = cellsOf(engine, container);
  Axis columns;
  Axis rows;
  measure(cells, columns, rows);
  const auto* frame = dynamic_cast<const VOKDlgFrame*>(&container);
  spread(columns, rect.width, [frame](int index) {
    return frame != nullptr && frame->GetGridColumnResizable(index) > 0;
  });
  spread(rows, rect.height,
         [frame](int index) { return frame != nullptr && frame->GetGridRowResizable(index) > 0; });
  const std::map<int, int> columnStarts = columns.Offsets();
  const std::map<int, int> rowStarts = rows.Offsets();
  Placement placement;
  for (const Cell& cell : cells) {
    const VOKCellRect area{rect.x + columnStarts.at(cell.place.column),
                           rect.y + rowStarts.at(cell.place.row),
                           columns.Span(cell.place.column, cell.place.columnSpan),
                           rows.Span(cell.place.row, cell.place.rowSpan)};
    placement[cell.widget] = placeInCell(cell, area);
  }
  return placement;
}

}  // namespace vok::layout
