// File: LayoutTabulation.cpp
// Tabulation containers. Horizontal lines are rows, top to bottom in line
// index order: mode 1 sets the line's widgets side by side, left to right;
// mode 4 does the same against the right edge; mode 5 stacks each widget on
// a row of its own. Vertical lines give the widgets' edges: a widget on a
// line of mode 1 and on another of mode 4 has both edges at the container's
// sides and takes the width its row leaves; on a line of mode 4 only, it is
// pushed against the right side; on lines of mode 5 only (or none), it
// keeps its natural width. Shown children on no horizontal line get rows of
// their own below the others.
#include <algorithm>
#include <set>
#include <utility>

#include "dialog_toolkit/VOKDlgContainer.h"
#include "front_end/layout/LayoutEngine.h"

namespace vok::layout {

namespace {

constexpr int kSideBySide = 1;
constexpr int kRightEdge = 4;
constexpr int kOwnLine = 5;

struct Item {
  const VOKDialog* widget;
  VOKCellSize natural;
  bool stretches = false;
  bool pinnedRight = false;
};

struct Row {
  std::vector<Item> items;
  bool rightAligned = false;

  int NaturalWidth() const {
    int width = kGap * std::max(static_cast<int>(items.size()) - 1, 0);
    for (const Item& item : items) width += item.natural.width;
    return width;
  }
  int Height() const {
    int height = 0;
    for (const Item& item : items) height = std::max(height, item.natural.height);
    return height;
  }
};

const VOKDlgTabulation* tabulationOf(const VOKDialog& container) {
  const auto* tabulated = dynamic_cast<const VOKDlgContainer*>(&container);
  return tabulated != nullptr ? &tabulated->GetTabulation() : nullptr;
}

Item itemFor(Engine& engine, const VOKDialog* widget, const VOKDlgTabulation& tabulation) {
  bool left = false;
  bool right = false;
  for (const VOKDlgAttachment& line : tabulation.Vertical()) {
    if (std::find(line.widgets.begin(), line.widgets.end(), widget) == line.widgets.end()) continue;
    left = left || line.mode == kSideBySide;
    right = right || line.mode == kRightEdge;
  }
  return {widget, engine.Natural(*widget), (left && right) || FillsParentWidth(*widget),
          right && !left};
}

std::vector<Row> rowsOf(Engine& engine, const VOKDialog& container) {
  const std::vector<VOKDialog*> children = LaidChildren(container);
  const std::set<const VOKDialog*> laid(children.begin(), children.end());
  const VOKDlgTabulation empty;
  const VOKDlgTabulation& tabulation = tabulationOf(container) ? *tabulationOf(container) : empty;
  std::vector<VOKDlgAttachment> lines = tabulation.Horizontal();
  std::stable_sort(
      lines.begin(), lines.end(),
      [](const VOKDlgAttachment& a, const VOKDlgAttachment& b) { return a.line < b.line; });
  std::set<const VOKDialog*> placed;
  std::vector<Row> rows;
  for (const VOKDlgAttachment& line : lines) {
    Row row{{}, line.mode == kRightEdge};
    for (const VOKDialog* widget : line.widgets) {
      if (!laid.contains(widget) || !placed.insert(widget).second) continue;
      if (line.mode == kOwnLine && !row.items.empty()) rows.push_back(std::exchange(row, Row{}));
      row.items.push_back(itemFor(engine, widget, tabulation));
    }
    if (!row.items.empty()) rows.push_back(std::move(row));
  }
  for (const VOKDialog* child : children) {
    if (placed.insert(child).second) rows.push_back({{itemFor(engine, child, tabulation)}, false});
  }
  return rows;
}

void arrangeRow(const Row& row, int x, int y, int width, Placement& placement) {
  const int spare = std::max(width - row.NaturalWidth(), 0);
  const auto stretching = std::count_if(row.items.begin(), row.items.end(),
                                        [](const Item& item) { return item.stretches; });
  int stretchIndex = 0;
  bool pushed = row.rightAligned && stretching == 0;
  if (pushed) x += spare;
  for (const Item& item : row.items) {
    int itemWidth = item.natural.width;
    if (item.stretches) {
      const int count = static_cast<int>(stretching);
      itemWidth += spare / count + (stretchIndex++ < spare % count ? 1 : 0);
    } else if (item.pinnedRight && !pushed && stretching == 0) {
      x += spare;
      pushed = true;
    }
    placement[item.widget] = {x, y, itemWidth, item.natural.height};
    x += itemWidth + kGap;
  }
}

}  // namespace

VOKCellSize TabulationNatural(Engine& engine, const VOKDialog& container) {
  VOKCellSize size;
  for (const Row& row : rowsOf(engine, container)) {
    size.width = std::max(size.width, row.NaturalWidth());
    size.height += row.Height();
  }
  return size;
}

Placement ArrangeTabulation(Engine& engine, const VOKDialog& container, const VOKCellRect& rect) {
  Placement placement;
  int y = rect.y;
  for (const Row& row : rowsOf(engine, container)) {
    arrangeRow(row, rect.x, y, rect.width, placement);
    y += row.Height();
  }
  return placement;
}

}  // namespace vok::layout
