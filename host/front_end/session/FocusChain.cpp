// File: FocusChain.cpp
// Which widgets take the keyboard focus and how it moves among them.
#include "front_end/session/FocusChain.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "front_end/kinds/WidgetKind.h"
#include "front_end/session/ButtonGrid.h"

namespace vok::session {

namespace {

bool takesFocus(const VOKDialog& widget, bool inGrid) {
  if (!kinds::KindOf(widget).Interactive()) return false;
  if (widget.IsReachable()) return true;
  // The chosen button of a grid, greyed, still takes the focus.
  const VOKDialog* parent = widget.GetParent();
  return inGrid && widget.GetVisibility() == VOKDlgVisibility::Shown && parent != nullptr &&
         parent->IsReachable();
}

bool readsBefore(const VOKCellRect& a, const VOKCellRect& b) {
  return a.y != b.y ? a.y < b.y : a.x < b.x;
}

int centre(const VOKCellRect& rect) {
  return 2 * rect.x + rect.width;  // doubled, to stay in whole numbers
}

}  // namespace

std::vector<Target> FocusChain(const VOKWindowLayout& window) {
  std::vector<Target> chain;
  ButtonGrids grids;
  for (const VOKLaidWidget& laid : window.Widgets()) {
    const bool inGrid = grids.Holds(*laid.widget);
    if (takesFocus(*laid.widget, inGrid))
      chain.push_back({laid.widget, Part::Widget, laid.rect, inGrid});
  }
  std::stable_sort(chain.begin(), chain.end(),
                   [](const Target& a, const Target& b) { return readsBefore(a.rect, b.rect); });
  if (!window.Window().IsReachable()) return chain;
  if (window.OKButton()) chain.push_back({&window.Window(), Part::OK, *window.OKButton()});
  if (window.CancelButton())
    chain.push_back({&window.Window(), Part::Cancel, *window.CancelButton()});
  return chain;
}

int IndexOf(const std::vector<Target>& chain, const Target& target) {
  for (std::size_t i = 0; i < chain.size(); ++i) {
    if (chain[i].Same(target)) return static_cast<int>(i);
  }
  return -1;
}

int AtOrAfter(const std::vector<Target>& chain, const VOKCellRect& place) {
  for (std::size_t i = 0; i < chain.size(); ++i) {
    if (!readsBefore(chain[i].rect, place)) return static_cast<int>(i);
  }
  return static_cast<int>(chain.size()) - 1;
}

int Vertical(const std::vector<Target>& chain, const VOKCellRect& from, bool up) {
  int best = -1;
  int bestRow = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const VOKCellRect& rect = chain[i].rect;
    if (up ? rect.y >= from.y : rect.y <= from.y) continue;
    const int distance = std::abs(centre(rect) - centre(from));
    const bool nearerRow = best < 0 || (up ? rect.y > bestRow : rect.y < bestRow);
    if (nearerRow || (rect.y == bestRow && distance < bestDistance)) {
      best = static_cast<int>(i);
      bestRow = rect.y;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace vok::session
