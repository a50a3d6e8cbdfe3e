// File: PaintWidgets.h
// Internal to the front end: drawing one widget in its rectangle, and the
// pieces the kinds' looks share.
#pragma once

#include <string_view>

#include "dialog_toolkit/VOKDialog.h"
#include "front_end/paint/VOKCanvas.h"

namespace vok::paint {

// Insensitive itself, or inside an insensitive container of its window.
bool IsGreyed(const VOKDialog& widget);
// Greyed when the widget is, else the role given.
VOKCellRole RoleOr(const VOKDialog& widget, VOKCellRole usable);
void Widget(VOKCanvas& canvas, const VOKDialog& widget, const VOKCellRect& rect);
// Text centred in rect (the odd column to the left), clipped to it.
void Centred(VOKCanvas& canvas, const VOKCellRect& rect, std::string_view text, VOKCellRole role);
// A field's arrow marks (" ▾", " ▴▾") right of its text area.
void Arrows(VOKCanvas& canvas, const VOKDialog& field, const VOKCellRect& rect,
            std::string_view marks);

}  // namespace vok::paint
