// File: LayoutWidgets.cpp
// Natural sizes of the widgets that hold no others, the text areas of the
// fields and the message boxes, as their kinds tell.
#include <algorithm>

#include "front_end/kinds/WidgetKind.h"
#include "front_end/layout/LayoutEngine.h"

namespace vok::layout {

VOKCellSize LeafNatural(const VOKDialog& widget) { return kinds::KindOf(widget).Natural(widget); }

}  // namespace vok::layout

VOKCellSize VOKNaturalSize(const VOKDialog& widget) {
  vok::layout::Engine engine;
  return engine.Natural(widget);
}

VOKCellRect VOKFieldTextArea(const VOKDialog& widget, const VOKCellRect& rect) {
  const int arrows = vok::kinds::KindOf(widget).ArrowColumns();
  return {rect.x, rect.y, std::max(rect.width - arrows, 0), rect.height};
}

bool VOKTakesTypedText(const VOKDialog& widget) {
  return vok::kinds::KindOf(widget).TakesTypedText(widget);
}

bool VOKIsMessageBox(const VOKDlgWindow& window) {
  return vok::kinds::KindOf(window).IsMessageBox();
}
