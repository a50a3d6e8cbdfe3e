// File: ButtonGrid.cpp
#include "front_end/session/ButtonGrid.h"

#include "dialog_toolkit/VOKDlgStyle.h"
#include "front_end/kinds/WidgetKind.h"

namespace vok::session {

namespace {

// A grid frame of push buttons, with labels at most beside them (headings).
bool isButtonGrid(const VOKDialog& frame) {
  if ((frame.GetStyle() & VOKDlgStyle::GridLayout) == 0) return false;
  int buttons = 0;
  for (const VOKDialog* child : frame.GetChildren()) {
    const kinds::WidgetKind& kind = kinds::KindOf(*child);
    if (kind.IsButton()) {
      ++buttons;
    } else if (!kind.IsLabel()) {
      return false;
    }
  }
  return buttons > 1;
}

// The grid a target belongs to, or null.
const VOKDialog* gridOf(const Target& target) {
  return target.part == Part::Widget && target.inGrid ? target.widget->GetParent() : nullptr;
}

const Target& at(const std::vector<Target>& chain, int index) {
  return chain[static_cast<std::size_t>(index)];
}

// The grid's buttons in the chain's (reading) order.
std::vector<int> cellsOf(const std::vector<Target>& chain, const VOKDialog* grid) {
  std::vector<int> cells;
  for (int i = 0; i < static_cast<int>(chain.size()); ++i) {
    if (gridOf(at(chain, i)) == grid) cells.push_back(i);
  }
  return cells;
}

bool chosen(const Target& target) {
  return target.widget->GetSensitivity() == VOKDlgSensitivity::Greyed;
}

// The cell in the same column of the next row up or down, or from itself.
int verticalNeighbour(const std::vector<Target>& chain, const std::vector<int>& cells, int from,
                      bool up) {
  const VOKCellRect& start = at(chain, from).rect;
  int best = from;
  for (const int cell : cells) {
    const VOKCellRect& rect = at(chain, cell).rect;
    if (rect.x != start.x || (up ? rect.y >= start.y : rect.y <= start.y)) continue;
    const VOKCellRect& kept = at(chain, best).rect;
    if (best == from || (up ? rect.y > kept.y : rect.y < kept.y)) best = cell;
  }
  return best;
}

}  // namespace

bool InButtonGrid(const VOKDialog& widget) { return ButtonGrids().Holds(widget); }

bool ButtonGrids::Holds(const VOKDialog& widget) {
  const VOKDialog* parent = widget.GetParent();
  if (parent == nullptr || !kinds::KindOf(widget).IsButton()) return false;
  for (const auto& [frame, grid] : _frames) {
    if (frame == parent) return grid;
  }
  _frames.emplace_back(parent, isButtonGrid(*parent));
  return _frames.back().second;
}

int ChosenInGrid(const std::vector<Target>& chain) {
  for (int i = 0; i < static_cast<int>(chain.size()); ++i) {
    if (gridOf(at(chain, i)) != nullptr && chosen(at(chain, i))) return i;
  }
  return -1;
}

int GridMove(const std::vector<Target>& chain, int index, VOKKey key) {
  if (index < 0) return -1;
  const VOKDialog* grid = gridOf(at(chain, index));
  if (grid == nullptr) return -1;
  const std::vector<int> cells = cellsOf(chain, grid);
  std::size_t place = 0;
  while (cells[place] != index) ++place;
  switch (key) {
    case VOKKey::Left:
      return place > 0 ? cells[place - 1] : index;
    case VOKKey::Right:
      return place + 1 < cells.size() ? cells[place + 1] : index;
    case VOKKey::Up:
    case VOKKey::Down:
      return verticalNeighbour(chain, cells, index, key == VOKKey::Up);
    case VOKKey::Home:
      return cells.front();
    case VOKKey::End:
      return cells.back();
    default:
      return -1;
  }
}

int TabMove(const std::vector<Target>& chain, int index, int step) {
  const int count = static_cast<int>(chain.size());
  if (count == 0) return -1;
  if (index < 0) return 0;
  const VOKDialog* left = gridOf(at(chain, index));
  int next = index;
  do {
    next = (next + step + count) % count;
  } while (next != index && left != nullptr && gridOf(at(chain, next)) == left);
  const VOKDialog* entered = gridOf(at(chain, next));
  if (entered == nullptr || entered == left) return next;
  const std::vector<int> cells = cellsOf(chain, entered);
  for (const int cell : cells) {
    if (chosen(at(chain, cell))) return cell;
  }
  return cells.front();
}

}  // namespace vok::session
