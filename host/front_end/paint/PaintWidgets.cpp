// File: PaintWidgets.cpp
// Drawing a widget as its kind looks, and the pieces the looks share.
#include "front_end/paint/PaintWidgets.h"

#include <algorithm>

#include "front_end/kinds/WidgetKind.h"
#include "front_end/layout/VOKLayout.h"
#include "front_end/paint/VOKPainter.h"
#include "front_end/text/VOKCellText.h"

namespace vok::paint {

bool IsGreyed(const VOKDialog& widget) {
  for (const VOKDialog* level = &widget; level != nullptr; level = level->GetParent()) {
    if (level->GetSensitivity() != VOKDlgSensitivity::Usable) return true;
    if (kinds::KindOf(*level).IsWindow()) return false;
  }
  return false;
}

VOKCellRole RoleOr(const VOKDialog& widget, VOKCellRole usable) {
  return IsGreyed(widget) ? VOKCellRole::Greyed : usable;
}

void Centred(VOKCanvas& canvas, const VOKCellRect& rect, std::string_view text, VOKCellRole role) {
  const int spare = std::max(rect.width - VOKTextColumns(text), 0);
  canvas.Text(rect.x + (spare + 1) / 2, rect.y, text, rect.width, role);
}

void Arrows(VOKCanvas& canvas, const VOKDialog& field, const VOKCellRect& rect,
            std::string_view marks) {
  const VOKCellRect text = VOKFieldTextArea(field, rect);
  canvas.Text(text.Right(), rect.y, marks, rect.Right() - text.Right(),
              RoleOr(field, VOKCellRole::Arrow));
}

void Widget(VOKCanvas& canvas, const VOKDialog& widget, const VOKCellRect& rect) {
  kinds::KindOf(widget).Paint(canvas, widget, rect);
}

}  // namespace vok::paint

void VOKPaintFieldText(VOKCanvas& canvas, const VOKDialog& field, const VOKCellRect& rect,
                       std::string_view text, int skipped, bool selected) {
  const VOKCellRect area = VOKFieldTextArea(field, rect);
  const VOKCellRole role = vok::paint::RoleOr(field, VOKCellRole::Field);
  canvas.Repeat(area.x, area.y, VOKTakesTypedText(field) ? "_" : " ", area.width, role);
  const std::u32string characters = VOKDecodeUtf8(text);
  const auto from =
      static_cast<std::size_t>(std::clamp(skipped, 0, static_cast<int>(characters.size())));
  canvas.Text(area.x, area.y, VOKEncodeUtf8(std::u32string_view(characters).substr(from)),
              area.width, selected ? VOKCellRole::Selected : role);
}
