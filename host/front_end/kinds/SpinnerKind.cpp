// File: SpinnerKind.cpp
// Spinners: their text and " ▴▾"; the arrows step them, and Editable ones
// take typed text.
#include <algorithm>

#include "dialog_toolkit/VOKDlgSpinner.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/kinds/ArrowField.h"
#include "front_end/layout/VOKLayout.h"
#include "front_end/text/VOKCellText.h"

namespace vok::kinds {

namespace {

const VOKDlgSpinner& spinner(const VOKDialog& widget) {
  return static_cast<const VOKDlgSpinner&>(widget);
}

// The column of "▴"; "▾" is the next one.
int upArrow(const VOKDialog& widget, const VOKCellRect& rect) {
  return VOKFieldTextArea(widget, rect).Right() + 1;
}

class Spinner : public ArrowField {
 public:
  Spinner() : ArrowField("spinner", " ▴▾") {}

  VOKCellSize Natural(const VOKDialog& widget) const override {
    const int visible = spinner(widget).GetVisibleTextWidth();
    const int text = visible > 0 ? visible : VOKTextColumns(Text(widget));
    return {std::max(text, 1) + ArrowColumns(), 1};
  }

  VOKWidgetDescription Describe(const VOKDialog& widget, const VOKCellRect& rect) const override {
    VOKWidgetDescription description = WidgetKind::Describe(widget, rect);
    const int arrows = upArrow(widget, rect);
    description.minimum = spinner(widget).GetMinimum();
    description.maximum = spinner(widget).GetMaximum();
    description.up = VOKCellPoint{arrows, rect.y};
    description.down = VOKCellPoint{arrows + 1, rect.y};
    return description;
  }

  bool TakesTypedText(const VOKDialog& widget) const override {
    return (widget.GetStyle() & VOKDlgStyle::Editable) != 0;
  }

  std::string Text(const VOKDialog& widget) const override {
    return spinner(widget).GetCurrentText().ToUtf8();
  }
  void Type(VOKDialog& widget, const VOKUnicodeString& text) const override {
    VOKDlgUser::Type(static_cast<VOKDlgSpinner*>(&widget), text);
  }
  bool Step(VOKDialog& widget, bool up) const override {
    auto* stepped = static_cast<VOKDlgSpinner*>(&widget);
    up ? VOKDlgUser::StepUp(stepped) : VOKDlgUser::StepDown(stepped);
    return true;
  }
  // Only the arrows ("▴" up, "▾" down) take a click.
  Click ClickAt(const VOKDialog& widget, const VOKCellRect& rect, int x) const override {
    const int arrows = upArrow(widget, rect);
    if (x == arrows) return Click::StepUp;
    return x == arrows + 1 ? Click::StepDown : Click::Nothing;
  }
};

}  // namespace

const WidgetKind& SpinnerKind() { return One<Spinner>(); }

}  // namespace vok::kinds
