// File: PaintWidgets.h
// Internal to the front end: drawing one widget in its rectangle.
#pragma once

#include "dialog_toolkit/VOKDialog.h"
#include "front_end/paint/VOKCanvas.h"

namespace vok::paint {

// Insensitive itself, or inside an insensitive container of its window.
bool IsGreyed(const VOKDialog& widget);
void Widget(VOKCanvas& canvas, const VOKDialog& widget, const VOKCellRect& rect);
// Text centred in rect (the odd column to the left), clipped to it.
void Centred(VOKCanvas& canvas, const VOKCellRect& rect, std::string_view text, VOKCellRole role);

}  // namespace vok::paint
