// File: PaintWidgets.cpp
// The look of each kind of widget.
#include "front_end/paint/PaintWidgets.h"

#include <algorithm>

#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSeparator.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "dialog_toolkit/VOKDlgWindow.h"
#include "front_end/layout/CalendarDays.h"
#include "front_end/layout/VOKLayout.h"
#include "front_end/paint/VOKPainter.h"
#include "front_end/text/VOKCellText.h"

namespace vok::paint {

namespace {

constexpr const char* kIcon = "▦";

VOKCellRole roleOr(const VOKDialog& widget, VOKCellRole usable) {
  return IsGreyed(widget) ? VOKCellRole::Greyed : usable;
}

void pushButton(VOKCanvas& canvas, const VOKDlgPushButton& button, const VOKCellRect& rect) {
  const VOKCellRole role = roleOr(button, VOKCellRole::Button);
  if (!button.GetIconName().str().empty()) {
    Centred(canvas, rect, kIcon, role);
    return;
  }
  // The chosen (greyed) button points inwards; today's day doubles its marks.
  const bool greyed = role == VOKCellRole::Greyed;
  const bool today = vok::calendar::IsToday(button);
  canvas.Text(rect.x, rect.y, greyed ? (today ? "»" : "›") : (today ? "«" : "["), 1, role);
  canvas.Text(rect.Right() - 1, rect.y, greyed ? (today ? "«" : "‹") : (today ? "»" : "]"), 1,
              role);
  Centred(canvas, {rect.x + 1, rect.y, rect.width - 2, 1}, button.GetTitle().ToUtf8(), role);
}

void arrows(VOKCanvas& canvas, const VOKDialog& field, const VOKCellRect& rect,
            std::string_view marks) {
  const VOKCellRect text = VOKFieldTextArea(field, rect);
  canvas.Text(text.Right(), rect.y, marks, rect.Right() - text.Right(),
              roleOr(field, VOKCellRole::Arrow));
}

void combo(VOKCanvas& canvas, const VOKDlgCombo& box, const VOKCellRect& rect) {
  VOKUnicodeString field;
  box.GetField(field);
  VOKPaintFieldText(canvas, box, rect, field.ToUtf8(), 0);
  arrows(canvas, box, rect, " ▾");
}

void spinner(VOKCanvas& canvas, const VOKDlgSpinner& spin, const VOKCellRect& rect) {
  VOKPaintFieldText(canvas, spin, rect, spin.GetCurrentText().ToUtf8(), 0);
  arrows(canvas, spin, rect, " ▴▾");
}

}  // namespace

bool IsGreyed(const VOKDialog& widget) {
  for (const VOKDialog* level = &widget; level != nullptr; level = level->GetParent()) {
    if (level->GetSensitivity() != VOKDlgSensitivity::Usable) return true;
    if (dynamic_cast<const VOKDlgWindow*>(level) != nullptr) return false;
  }
  return false;
}

void Centred(VOKCanvas& canvas, const VOKCellRect& rect, std::string_view text, VOKCellRole role) {
  const int spare = std::max(rect.width - VOKTextColumns(text), 0);
  canvas.Text(rect.x + (spare + 1) / 2, rect.y, text, rect.width, role);
}

void Widget(VOKCanvas& canvas, const VOKDialog& widget, const VOKCellRect& rect) {
  if (auto* button = dynamic_cast<const VOKDlgPushButton*>(&widget))
    return pushButton(canvas, *button, rect);
  if (auto* box = dynamic_cast<const VOKDlgCombo*>(&widget)) return combo(canvas, *box, rect);
  if (auto* spin = dynamic_cast<const VOKDlgSpinner*>(&widget)) return spinner(canvas, *spin, rect);
  if (auto* editor = dynamic_cast<const VOKDlgEditor*>(&widget)) {
    return VOKPaintFieldText(canvas, *editor, rect, editor->GetText().ToUtf8(), 0);
  }
  if (dynamic_cast<const VOKDlgSeparator*>(&widget) != nullptr) {
    return canvas.Repeat(rect.x, rect.y, "─", rect.width, VOKCellRole::Border);
  }
  if (rect.height > 0 && !widget.GetTitle().IsEmpty()) {
    Centred(canvas, rect, widget.GetTitle().ToUtf8(), roleOr(widget, VOKCellRole::Label));
  }
}

}  // namespace vok::paint

void VOKPaintFieldText(VOKCanvas& canvas, const VOKDialog& field, const VOKCellRect& rect,
                       std::string_view text, int skipped, bool selected) {
  const VOKCellRect area = VOKFieldTextArea(field, rect);
  const VOKCellRole role = vok::paint::IsGreyed(field) ? VOKCellRole::Greyed : VOKCellRole::Field;
  canvas.Repeat(area.x, area.y, VOKTakesTypedText(field) ? "_" : " ", area.width, role);
  const std::u32string characters = VOKDecodeUtf8(text);
  const auto from =
      static_cast<std::size_t>(std::clamp(skipped, 0, static_cast<int>(characters.size())));
  canvas.Text(area.x, area.y, VOKEncodeUtf8(std::u32string_view(characters).substr(from)),
              area.width, selected ? VOKCellRole::Selected : role);
}
