// File: VOKWindowStack.h
// The windows a person sees, bottom to top, and where each one stands.
#pragma once

#include <vector>

#include "front_end/FrontEndExport.h"
#include "front_end/layout/VOKLayout.h"

// The root window, then every shown window below it in the widget tree, in
// tree pre-order: a calendar comes after the form it was opened from, a
// message box after its calendar.
VOK_FRONTEND_API std::vector<VOKDlgWindow*> VOKWindowStack(VOKDlgWindow& root);

// The windows laid out, bottom to top: the first at the top-left corner; a
// window opened from a widget of a window below it (a calendar from its
// date field) just under that widget, as the terminal shows it; any other
// one centred over all the earlier ones together. Then all are moved so
// that together they start at (0, 0).
VOK_FRONTEND_API std::vector<VOKWindowLayout> VOKPlaceWindows(
    const std::vector<VOKDlgWindow*>& windows);

// The smallest rectangle holding all the windows.
VOK_FRONTEND_API VOKCellRect VOKWindowsBounds(const std::vector<VOKWindowLayout>& windows);
