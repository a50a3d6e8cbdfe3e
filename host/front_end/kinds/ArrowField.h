// File: ArrowField.h
// Internal to the front end. Fields with arrows right of their text, a
// combo's " ▾" and a spinner's " ▴▾": they show their text, then the
// marks, take the focus and step with the arrow keys.
#pragma once

#include <string_view>

#include "front_end/kinds/WidgetKind.h"

namespace vok::kinds {

class ArrowField : public WidgetKind {
 public:
  ArrowField(const char* pageKind, std::string_view marks);

  int ArrowColumns() const override { return _arrowColumns; }
  void Paint(VOKCanvas& canvas, const VOKDialog& widget, const VOKCellRect& rect) const override;
  bool Interactive() const override { return true; }
  bool Steps() const override { return true; }

 private:
  std::string_view _marks;
  int _arrowColumns;
};

}  // namespace vok::kinds
