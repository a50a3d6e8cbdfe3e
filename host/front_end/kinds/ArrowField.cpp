// File: ArrowField.cpp
#include "front_end/kinds/ArrowField.h"

#include "front_end/paint/PaintWidgets.h"
#include "front_end/paint/VOKPainter.h"
#include "front_end/text/VOKCellText.h"

namespace vok::kinds {

ArrowField::ArrowField(const char* pageKind, std::string_view marks)
    : WidgetKind(pageKind), _marks(marks), _arrowColumns(VOKTextColumns(marks)) {}

void ArrowField::Paint(VOKCanvas& canvas, const VOKDialog& widget, const VOKCellRect& rect) const {
  VOKPaintFieldText(canvas, widget, rect, Text(widget), 0);
  paint::Arrows(canvas, widget, rect, _marks);
}

}  // namespace vok::kinds
