// File: LayoutEngine.cpp
// Measuring and placing: containers lay out their children by grid or by
// tabulation; other widgets keep the rectangle they are given.
#include "front_end/layout/LayoutEngine.h"

#include "front_end/kinds/WidgetKind.h"

namespace vok::layout {

namespace {

bool usesGrid(const VOKDialog& container) {
  return (container.GetStyle() & VOKDlgStyle::GridLayout) != 0;
}

}  // namespace

bool IsContainer(const VOKDialog& widget) { return kinds::KindOf(widget).HoldsWidgets(); }

std::vector<VOKDialog*> LaidChildren(const VOKDialog& container) {
  std::vector<VOKDialog*> children;
  for (VOKDialog* child : container.GetChildren()) {
    if (child->GetVisibility() != VOKDlgVisibility::Shown) continue;
    if (kinds::KindOf(*child).IsWindow()) continue;
    children.push_back(child);
  }
  return children;
}

bool FillsParentWidth(const VOKDialog& widget) {
  return kinds::KindOf(widget).FillsParentWidth(widget);
}

VOKCellSize Engine::Natural(const VOKDialog& widget) {
  if (auto known = _sizes.find(&widget); known != _sizes.end()) return known->second;
  const VOKCellSize size = IsContainer(widget) ? ContentNatural(widget) : LeafNatural(widget);
  _sizes[&widget] = size;
  return size;
}

VOKCellSize Engine::ContentNatural(const VOKDialog& container) {
  return usesGrid(container) ? GridNatural(*this, container) : TabulationNatural(*this, container);
}

void Engine::Place(VOKDialog& widget, const VOKCellRect& rect, std::vector<VOKLaidWidget>& out) {
  out.push_back({&widget, rect});
  if (IsContainer(widget)) PlaceContent(widget, rect, out);
}

void Engine::PlaceContent(VOKDialog& container, const VOKCellRect& rect,
                          std::vector<VOKLaidWidget>& out) {
  const Placement placement = usesGrid(container) ? ArrangeGrid(*this, container, rect)
                                                  : ArrangeTabulation(*this, container, rect);
  for (VOKDialog* child : LaidChildren(container)) {
    if (auto place = placement.find(child); place != placement.end())
      Place(*child, place->second, out);
  }
}

}  // namespace vok::layout
