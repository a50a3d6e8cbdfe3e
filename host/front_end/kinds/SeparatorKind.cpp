// File: SeparatorKind.cpp
// Separators: a line "─" across the width their placement stretches them to.
#include "front_end/kinds/WidgetKind.h"

namespace vok::kinds {

namespace {

class Separator : public WidgetKind {
 public:
  VOKCellSize Natural(const VOKDialog& /*widget*/) const override { return {1, 1}; }

  void Paint(VOKCanvas& canvas, const VOKDialog& /*widget*/,
             const VOKCellRect& rect) const override {
    canvas.Repeat(rect.x, rect.y, "─", rect.width, VOKCellRole::Border);
  }

  VOKWidgetDescription Describe(const VOKDialog& widget, const VOKCellRect& rect) const override {
    VOKWidgetDescription description = WidgetKind::Describe(widget, rect);
    description.kind = "separator";
    return description;
  }
};

}  // namespace

const WidgetKind& SeparatorKind() {
  static const Separator kind;
  return kind;
}

}  // namespace vok::kinds
