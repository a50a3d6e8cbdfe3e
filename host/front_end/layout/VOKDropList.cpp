// File: VOKDropList.cpp
// Placing an open combo list.
#include "front_end/layout/VOKDropList.h"

#include <algorithm>

namespace {

constexpr int kBorders = 2;

}  // namespace

int VOKDropList::LineAt(int x, int y) const {
  const VOKCellRect inside{box.x + 1, box.y + 1, box.width - kBorders, count};
  return inside.Contains(x, y) ? first + (y - inside.y) : -1;
}

VOKDropList VOKPlaceDropList(const VOKCellRect& combo, int lines, int highlighted,
                             int screenHeight) {
  VOKDropList list;
  list.count = std::max(std::min(lines, screenHeight - kBorders), std::min(lines, 1));
  const int height = list.count + kBorders;
  int y = combo.Bottom();
  if (y + height > screenHeight) y = combo.y - height >= 0 ? combo.y - height : 0;
  list.box = {combo.x, y, std::max(combo.width, kBorders + 1), height};
  const int lastFirst = std::max(lines - list.count, 0);
  list.first = std::clamp(highlighted - list.count + 1, 0, lastFirst);
  return list;
}
