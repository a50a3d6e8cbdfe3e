// File: FrameKind.cpp
// Frames: containers laid out by grid or tabulation; an Editable frame
// fills the width its parent gives it.
#include "front_end/kinds/WidgetKind.h"

namespace vok::kinds {

namespace {

class Frame : public WidgetKind {
 public:
  Frame() : WidgetKind("frame") {}
  bool HoldsWidgets() const override { return true; }
  bool FillsParentWidth(const VOKDialog& widget) const override {
    return (widget.GetStyle() & VOKDlgStyle::Editable) != 0;
  }
};

}  // namespace

const WidgetKind& FrameKind() { return One<Frame>(); }

}  // namespace vok::kinds
