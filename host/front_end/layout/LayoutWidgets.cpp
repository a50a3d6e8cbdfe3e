// File: LayoutWidgets.cpp
// Natural sizes of the widgets that hold no others, and the text areas of
// the fields.
#include <algorithm>

#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSeparator.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "front_end/layout/LayoutEngine.h"
#include "front_end/text/VOKCellText.h"

namespace {

constexpr int kEditorColumns = 12;
constexpr int kTypedComboColumns = 10;
constexpr int kComboArrowColumns = 2;    // " ▾"
constexpr int kSpinnerArrowColumns = 3;  // " ▴▾"
constexpr int kButtonBrackets = 2;

int columns(const VOKUnicodeString& text) { return VOKTextColumns(text.ToUtf8()); }

bool editable(const VOKDialog& widget) { return (widget.GetStyle() & VOKDlgStyle::Editable) != 0; }

int comboTextColumns(const VOKDlgCombo& combo) {
  VOKUnicodeString field;
  combo.GetField(field);
  int widest = std::max(columns(field), editable(combo) ? kTypedComboColumns : 1);
  for (int line = 0; line < combo.GetLineCount(); ++line) {
    widest = std::max(widest, columns(combo.GetLine(line)));
  }
  return widest;
}

int spinnerTextColumns(const VOKDlgSpinner& spinner) {
  const int visible = spinner.GetVisibleTextWidth();
  return std::max(visible > 0 ? visible : columns(spinner.GetCurrentText()), 1);
}

int buttonColumns(const VOKDlgPushButton& button) {
  if (!button.GetIconName().str().empty()) return 1;
  return columns(button.GetTitle()) + kButtonBrackets;
}

}  // namespace

namespace vok::layout {

VOKCellSize LeafNatural(const VOKDialog& widget) {
  if (auto* button = dynamic_cast<const VOKDlgPushButton*>(&widget))
    return {buttonColumns(*button), 1};
  if (auto* combo = dynamic_cast<const VOKDlgCombo*>(&widget)) {
    return {comboTextColumns(*combo) + kComboArrowColumns, 1};
  }
  if (auto* spinner = dynamic_cast<const VOKDlgSpinner*>(&widget)) {
    return {spinnerTextColumns(*spinner) + kSpinnerArrowColumns, 1};
  }
  if (dynamic_cast<const VOKDlgEditor*>(&widget) != nullptr) return {kEditorColumns, 1};
  if (dynamic_cast<const VOKDlgSeparator*>(&widget) != nullptr) return {1, 1};
  const int title = columns(widget.GetTitle());
  return {title, title > 0 ? 1 : 0};
}

}  // namespace vok::layout

VOKCellSize VOKNaturalSize(const VOKDialog& widget) {
  vok::layout::Engine engine;
  return engine.Natural(widget);
}

VOKCellRect VOKFieldTextArea(const VOKDialog& widget, const VOKCellRect& rect) {
  int arrows = 0;
  if (dynamic_cast<const VOKDlgCombo*>(&widget) != nullptr) arrows = kComboArrowColumns;
  if (dynamic_cast<const VOKDlgSpinner*>(&widget) != nullptr) arrows = kSpinnerArrowColumns;
  return {rect.x, rect.y, std::max(rect.width - arrows, 0), rect.height};
}

bool VOKTakesTypedText(const VOKDialog& widget) {
  if (dynamic_cast<const VOKDlgEditor*>(&widget) != nullptr) return true;
  if (!editable(widget)) return false;
  if (dynamic_cast<const VOKDlgSpinner*>(&widget) != nullptr) return true;
  return dynamic_cast<const VOKDlgCombo*>(&widget) != nullptr &&
         (widget.GetStyle() & VOKDlgStyle::FreeText) != 0;
}
