// File: ComboKind.cpp
// Combos: their field and " ▾"; a list to choose from, or text to type
// when Editable with FreeText.
#include <algorithm>

#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/kinds/ArrowField.h"
#include "front_end/text/VOKCellText.h"

namespace vok::kinds {

namespace {

constexpr int kTypedColumns = 10;

const VOKDlgCombo& combo(const VOKDialog& widget) {
  return static_cast<const VOKDlgCombo&>(widget);
}

bool editable(const VOKDialog& widget) { return (widget.GetStyle() & VOKDlgStyle::Editable) != 0; }

int columns(const VOKUnicodeString& text) { return VOKTextColumns(text.ToUtf8()); }

class Combo : public ArrowField {
 public:
  Combo() : ArrowField("combo", " ▾") {}

  VOKCellSize Natural(const VOKDialog& widget) const override {
    const VOKDlgCombo& box = combo(widget);
    VOKUnicodeString field;
    box.GetField(field);
    int widest = std::max(columns(field), editable(box) ? kTypedColumns : 1);
    for (int line = 0; line < box.GetLineCount(); ++line)
      widest = std::max(widest, columns(box.GetLine(line)));
    return {widest + ArrowColumns(), 1};
  }

  bool TakesTypedText(const VOKDialog& widget) const override {
    return editable(widget) && (widget.GetStyle() & VOKDlgStyle::FreeText) != 0;
  }

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

const WidgetKind& ComboKind() { return One<Combo>(); }

}  // namespace vok::kinds
