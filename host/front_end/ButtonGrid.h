// File: ButtonGrid.h
// Internal to the front end. A grid of push buttons (the buttons of a
// frame with the GridLayout style, such as a calendar's days) is one
// choice among many: its greyed button is the one chosen, and it still
// takes the focus so that the keyboard can rest on it. Inside the grid the
// arrows move by a cell (Left, Right) or a row (Up, Down), Home and End go
// to its first and last button; they stop at its edges.
#pragma once

#include <vector>

#include "FocusChain.h"
#include "VOKFrontEndScreen.h"

namespace vok::session {

bool InButtonGrid(const VOKDialog& widget);
// The chosen (greyed) button of the first grid in the chain, or -1.
int ChosenInGrid(const std::vector<Target>& chain);
// Where a key moves the focus from the grid button at index; index itself
// at an edge; -1 when the key does not move inside grids.
int GridMove(const std::vector<Target>& chain, int index, VOKKey key);

}  // namespace vok::session
