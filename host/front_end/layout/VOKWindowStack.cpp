// File: VOKWindowStack.cpp
// Stacking and placing windows.
#include "front_end/layout/VOKWindowStack.h"

#include <algorithm>

#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/layout/ScreenPlacement.h"

namespace {

VOKCellRect unite(const VOKCellRect& a, const VOKCellRect& b) {
  const int x = std::min(a.x, b.x);
  const int y = std::min(a.y, b.y);
  return {x, y, std::max(a.Right(), b.Right()) - x, std::max(a.Bottom(), b.Bottom()) - y};
}

}  // namespace

std::vector<VOKDlgWindow*> VOKWindowStack(VOKDlgWindow& root) {
  std::vector<VOKDlgWindow*> stack{&root};
  const std::vector<VOKDlgWindow*> open = VOKDlgUser::OpenWindows(root);
  stack.insert(stack.end(), open.begin(), open.end());
  return stack;
}

VOKCellRect VOKWindowsBounds(const std::vector<VOKWindowLayout>& windows) {
  if (windows.empty()) return {};
  VOKCellRect bounds = windows.front().Bounds();
  for (const VOKWindowLayout& window : windows) bounds = unite(bounds, window.Bounds());
  return bounds;
}

std::vector<VOKWindowLayout> VOKPlaceWindows(const std::vector<VOKDlgWindow*>& windows) {
  std::vector<VOKWindowLayout> placed;
  for (VOKDlgWindow* window : windows) {
    VOKWindowLayout layout(*window);
    if (const VOKCellRect* field = vok::session::OpenedFrom(*window, placed)) {
      layout.MoveTo(field->x, field->Bottom());
    } else if (!placed.empty()) {
      const VOKCellRect under = VOKWindowsBounds(placed);
      layout.MoveTo(under.x + (under.width - layout.Bounds().width) / 2,
                    under.y + (under.height - layout.Bounds().height) / 2);
    }
    placed.push_back(std::move(layout));
  }
  const VOKCellRect all = VOKWindowsBounds(placed);
  for (VOKWindowLayout& layout : placed) {
    layout.MoveTo(layout.Bounds().x - all.x, layout.Bounds().y - all.y);
  }
  return placed;
}
