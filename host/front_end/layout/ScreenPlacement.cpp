// File: ScreenPlacement.cpp
#include "front_end/layout/ScreenPlacement.h"

#include <algorithm>

#include "front_end/layout/WindowParts.h"

namespace vok::session {

namespace {

int fit(int at, int size, int room) { return std::clamp(at, 0, std::max(room - size, 0)); }

VOKCellPoint centred(const VOKCellRect& window, VOKCellSize screen, int share) {
  return {(screen.width - window.width) / 2, (screen.height - window.height) / share};
}

VOKCellPoint besideAnchor(const VOKCellRect& window, const VOKCellRect& anchor,
                          VOKCellSize screen) {
  const bool roomBelow = anchor.Bottom() + window.height <= screen.height;
  const bool roomAbove = anchor.y - window.height >= 0;
  int y = anchor.Bottom();
  if (!roomBelow && roomAbove) y = anchor.y - window.height;
  return {anchor.x, y};
}

}  // namespace

ScreenPlan PlaceOnScreen(const std::vector<VOKDlgWindow*>& windows, VOKCellSize screen) {
  ScreenPlan plan;
  plan.windows.reserve(windows.size());
  for (VOKDlgWindow* shown : windows) {
    VOKWindowLayout layout(*shown, screen.width);
    const VOKCellRect& bounds = layout.Bounds();
    const VOKCellRect* anchor = OpenedFrom(*shown, plan.windows);
    const VOKCellPoint at = anchor != nullptr
                                ? besideAnchor(bounds, *anchor, screen)
                                : centred(bounds, screen, plan.windows.empty() ? 3 : 2);
    layout.MoveTo(fit(at.x, bounds.width, screen.width), fit(at.y, bounds.height, screen.height));
    plan.windows.push_back(std::move(layout));
  }
  const auto tooLarge =
      std::find_if(plan.windows.begin(), plan.windows.end(), [&](const auto& layout) {
        return layout.Bounds().width > screen.width || layout.Bounds().height > screen.height;
      });
  if (tooLarge != plan.windows.end())
    plan.tooLarge = static_cast<int>(tooLarge - plan.windows.begin());
  return plan;
}

const VOKCellRect* OpenedFrom(const VOKDlgWindow& window,
                              const std::vector<VOKWindowLayout>& below) {
  if (VOKIsMessageBox(window)) return nullptr;
  for (const VOKDialog* widget = window.GetParent(); widget != nullptr;
       widget = widget->GetParent()) {
    const auto shown = std::find_if(
        below.rbegin(), below.rend(),
        [widget](const VOKWindowLayout& layout) { return layout.Find(widget) != nullptr; });
    if (shown != below.rend()) return shown->Find(widget);
  }
  return nullptr;
}

}  // namespace vok::session
