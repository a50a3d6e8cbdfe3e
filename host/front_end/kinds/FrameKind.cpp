// File: FrameKind.cpp
// Frames: containers laid out by grid or tabulation; an Editable frame
// fills the width its parent gives it.
#include "front_end/kinds/WidgetKind.h"

namespace vok::kinds {

namespace {

class Frame : public WidgetKind {
 public:
  bool HoldsWidgets() const override { return true; }
  bool FillsParentWidth(const VOKDialog& widget) const override {
    return (widget.GetStyle() & VOKDlgStyle::Editable) != 0;
  }

  VOKWidgetDescription Describe(const VOKDialog& widget, const VOKCellRect& rect) const override {
    VOKWidgetDescription description = WidgetKind::Describe(widget, rect);
    description.kind = "frame";
    return description;
  }
};

}  // namespace

const WidgetKind& FrameKind() {
  static const Frame kind;
  return kind;
}

}  // namespace vok::kinds
