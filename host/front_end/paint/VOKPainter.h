// File: VOKPainter.h
// Draws laid-out windows onto a canvas. Text looks:
//   window       box-drawing border, its title in the top line, " x " for
//                the close control, "[OK] [Cancel]" at the bottom right
//   label        its title
//   push button  "[title]" when usable, "›title‹" when insensitive (the
//                marked day of a calendar); "▦" for a button with an icon
//   editor       its text, the rest of the field shown as "_"
//   combo        its field and " ▾" ("_" fills an editable field)
//   spinner      its text and " ▴▾" ("_" fills an editable field)
//   separator    a line "─" across its width
// Titles are centred in rectangles wider than they need, the odd column
// going to the left, so that numbers line up on the right.
#pragma once

#include <string_view>

#include "dialog_toolkit/VOKDlgCombo.h"
#include "front_end/FrontEndExport.h"
#include "front_end/layout/VOKDropList.h"
#include "front_end/layout/VOKLayout.h"
#include "front_end/paint/VOKCanvas.h"

// The whole window over whatever the canvas held there.
VOK_FRONTEND_API void VOKPaintWindow(VOKCanvas& canvas, const VOKWindowLayout& window);

// The text area of a field (editor, combo or spinner) showing text from its
// character skipped on: the painter passes the widget's own text, a front
// end the text being typed, and marks it when the whole of it is selected.
VOK_FRONTEND_API void VOKPaintFieldText(VOKCanvas& canvas, const VOKDialog& field,
                                        const VOKCellRect& rect, std::string_view text, int skipped,
                                        bool selected = false);

// The open list of a combo with one line highlighted.
VOK_FRONTEND_API void VOKPaintDropList(VOKCanvas& canvas, const VOKDlgCombo& combo,
                                       const VOKDropList& list, int highlighted);
