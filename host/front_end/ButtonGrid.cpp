// File: ButtonGrid.cpp
#include "ButtonGrid.h"

#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgStyle.h"

namespace vok::session {

namespace {

bool sameGrid(const Target& target, const VOKDialog* grid) {
  return target.part == Part::Widget && target.widget->GetParent() == grid &&
         InButtonGrid(*target.widget);
}

// The grid's buttons in the chain's (reading) order.
std::vector<int> gridOf(const std::vector<Target>& chain, const VOKDialog* grid) {
  std::vector<int> cells;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    if (sameGrid(chain[i], grid)) cells.push_back(static_cast<int>(i));
  }
  return cells;
}

// The cell in the same column of the next row up or down, or from itself.
int verticalNeighbour(const std::vector<Target>& chain, const std::vector<int>& cells, int from,
                      bool up) {
  const VOKCellRect& at = chain[static_cast<std::size_t>(from)].rect;
  int best = from;
  for (const int cell : cells) {
    const VOKCellRect& rect = chain[static_cast<std::size_t>(cell)].rect;
    if (rect.x != at.x || (up ? rect.y >= at.y : rect.y <= at.y)) continue;
    const VOKCellRect& kept = chain[static_cast<std::size_t>(best)].rect;
    if (best == from || (up ? rect.y > kept.y : rect.y < kept.y)) best = cell;
  }
  return best;
}

}  // namespace

bool InButtonGrid(const VOKDialog& widget) {
  const VOKDialog* parent = widget.GetParent();
  return dynamic_cast<const VOKDlgPushButton*>(&widget) != nullptr && parent != nullptr &&
         (parent->GetStyle() & VOKDlgStyle::GridLayout) != 0;
}

int ChosenInGrid(const std::vector<Target>& chain) {
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const Target& target = chain[i];
    if (target.part == Part::Widget && InButtonGrid(*target.widget) &&
        target.widget->GetSensitivity() == VOKDlgSensitivity::Greyed) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int GridMove(const std::vector<Target>& chain, int index, VOKKey key) {
  if (index < 0) return -1;
  const Target& from = chain[static_cast<std::size_t>(index)];
  if (from.part != Part::Widget || !InButtonGrid(*from.widget)) return -1;
  const std::vector<int> cells = gridOf(chain, from.widget->GetParent());
  std::size_t at = 0;
  while (cells[at] != index) ++at;
  switch (key) {
    case VOKKey::Left:
      return at > 0 ? cells[at - 1] : index;
    case VOKKey::Right:
      return at + 1 < cells.size() ? cells[at + 1] : index;
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

}  // namespace vok::session
