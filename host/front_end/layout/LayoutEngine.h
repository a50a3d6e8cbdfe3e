// File: LayoutEngine.h
// Internal to the front end. Measures widgets (their natural size, once
// each) and places them in the rectangles their containers give them.
#pragma once

#include <map>
#include <vector>

#include "front_end/layout/VOKLayout.h"

namespace vok::layout {

// Columns between two widgets side by side (grid columns, tabulation rows).
inline constexpr int kGap = 1;

class Engine {
 public:
  VOKCellSize Natural(const VOKDialog& widget);
  // Places the widget at rect, then its content inside it.
  void Place(VOKDialog& widget, const VOKCellRect& rect, std::vector<VOKLaidWidget>& out);
  // The natural size of a container's content, and its placing in rect.
  VOKCellSize ContentNatural(const VOKDialog& container);
  void PlaceContent(VOKDialog& container, const VOKCellRect& rect, std::vector<VOKLaidWidget>& out);

 private:
  std::map<const VOKDialog*, VOKCellSize> _sizes;
};

// Frames and windows hold laid-out children.
bool IsContainer(const VOKDialog& widget);
// The children a container lays out: shown, and not windows of their own.
std::vector<VOKDialog*> LaidChildren(const VOKDialog& container);
// A frame with the Editable style bit fills the width its parent gives it.
bool FillsParentWidth(const VOKDialog& widget);

// The size of a widget that is not a container.
VOKCellSize LeafNatural(const VOKDialog& widget);

// Where each laid child of a container goes when the container's content
// has the rectangle rect.
using Placement = std::map<const VOKDialog*, VOKCellRect>;

VOKCellSize GridNatural(Engine& engine, const VOKDialog& container);
Placement ArrangeGrid(Engine& engine, const VOKDialog& container, const VOKCellRect& rect);
VOKCellSize TabulationNatural(Engine& engine, const VOKDialog& container);
Placement ArrangeTabulation(Engine& engine, const VOKDialog& container, const VOKCellRect& rect);

}  // namespace vok::layout
