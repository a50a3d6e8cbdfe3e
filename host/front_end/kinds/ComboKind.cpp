// File: ComboKind.cpp
// Combos: their field and " ▾"; a list to choose from, or text to type
// when Editable with FreeText.
#include <algorithm>

#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/kinds/WidgetKind.h"
#include "front_end/paint/PaintWidgets.h"
#include "front_end/paint/VOKPainter.h"
#include "front_end/text/VOKCellText.h"

namespace vok::kinds {

namespace {

constexpr int kTypedColumns = 10;
constexpr int kArrowColumns = 2;  // " ▾"

const VOKDlgCombo& combo(const VOKDialog& widget) {
  return static_cast<const VOKDlgCombo&>(widget);
}

bool editable(const VOKDialog& widget) { return (widget.GetStyle() & VOKDlgStyle::Editable) != 0; }

int columns(const VOKUnicodeString& text) { return VOKTextColumns(text.ToUtf8()); }

class Combo : public WidgetKind {
 public:
  VOKCellSize Natural(const VOKDialog& widget) const override {
    const VOKDlgCombo& box = combo(widget);
    VOKUnicodeString field;
    box.GetField(field);
    int widest = std::max(columns(field), editable(box) ? kTypedColumns : 1);
    for (int line = 0; line < box.GetLineCount(); ++line)
      widest = std::max(widest, columns(box.GetLine(line)));
    return {widest + kArrowColumns, 1};
  }
  int ArrowColumns() const override { return kArrowColumns; }

  void Paint(VOKCanvas& canvas, const VOKDialog& widget, const VOKCellRect& rect) const override {
    VOKPaintFieldText(canvas, widget, rect, Text(widget), 0);
    paint::Arrows(canvas, widget, rect, " ▾");
  }

  VOKWidgetDescription Describe(const VOKDialog& widget, const VOKCellRect& rect) const override {
    VOKWidgetDescription description = WidgetKind::Describe(widget, rect);
    description.kind = "combo";
    return description;
  }

  bool Interactive() const override { return true; }
  bool TakesTypedText(const VOKDialog& widget) const override {
    return editable(widget) && (widget.GetStyle() & VOKDlgStyle::FreeText) != 0;
  }
  bool Steps() const override { return true; }

  std::string Text(const VOKDialog& widget) const override {
    VOKUnicodeString field;
    combo(widget).GetField(field);
    return field.ToUtf8();
  }
  void Type(VOKDialog& widget, const VOKUnicodeString& text) const override {
    VOKDlgUser::Type(List(widget), text);
  }
  VOKDlgCombo* List(VOKDialog& widget) const override { return static_cast<VOKDlgCombo*>(&widget); }
  Click ClickAt(const VOKDialog& /*widget*/, const VOKCellRect& /*rect*/,
                int /*x*/) const override {
    return Click::OpenList;
  }
};

}  // namespace

const WidgetKind& ComboKind() {
  static const Combo kind;
  return kind;
}

}  // namespace vok::kinds
