// File: WidgetDescription.cpp
#include "front_end/kinds/VOKWidgetDescription.h"
#include "front_end/kinds/WidgetKind.h"
#include "front_end/paint/PaintWidgets.h"

VOKWidgetDescription VOKDescribeWidget(const VOKDialog& widget, const VOKCellRect& rect) {
  const vok::kinds::WidgetKind& kind = vok::kinds::KindOf(widget);
  VOKWidgetDescription description = kind.Describe(widget, rect);
  description.greyed = vok::paint::IsGreyed(widget);
  description.editable = kind.TakesTypedText(widget);
  return description;
}
