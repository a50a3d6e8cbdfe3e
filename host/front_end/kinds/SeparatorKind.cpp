// File: SeparatorKind.cpp
// Separators: a line "─" across the width their placement stretches them to.
#include "front_end/kinds/WidgetKind.h"

namespace vok::kinds {

namespace {

class Separator : public WidgetKind {
 public:
  Separator() : WidgetKind("separator") {}
  VOKCellSize Natural(const VOKDialog& /*widget*/) const override { return {1, 1}; }

  void Paint(VOKCanvas& canvas, const VOKDialog& /*widget*/,
             const VOKCellRect& rect) const override {
    canvas.Repeat(rect.x, rect.y, "─", rect.width, VOKCellRole::Border);
  }
};

}  // namespace

const WidgetKind& SeparatorKind() { return One<Separator>(); }

}  // namespace vok::kinds
