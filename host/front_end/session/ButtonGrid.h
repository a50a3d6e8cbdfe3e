// File: ButtonGrid.h
// Internal to the front end. A grid of push buttons (a frame with the
// GridLayout style holding two push buttons or more and nothing but labels
// beside them, such as a calendar's days) is one choice among many: its
// greyed button is the one chosen, and it still takes the focus so that
// the keyboard can rest on it. Inside the grid the arrows reach the
// button a cell (Left, Right) or a row (Up, Down) away, Home and End its
// first and last button; they stop at its edges (the session presses the
// button reached, and in a calendar goes on past the edges). Tab and
// Shift-Tab pass over the grid as one stop, entering it on its chosen
// button.
#pragma once

#include <utility>
#include <vector>

#include "front_end/session/FocusChain.h"
#include "front_end/session/VOKFrontEndScreen.h"

namespace vok::session {

bool InButtonGrid(const VOKDialog& widget);
// InButtonGrid for the widgets of a window, asking whether a frame is a grid
// once per frame instead of once per button.
class ButtonGrids {
 public:
  bool Holds(const VOKDialog& widget);

 private:
  std::vector<std::pair<const VOKDialog*, bool>> _frames;
};
// The chosen (greyed) button of the first grid in the chain, or -1.
int ChosenInGrid(const std::vector<Target>& chain);
// Where a key moves the focus from the grid button at index; index itself
// at an edge; -1 when the key does not move inside grids.
int GridMove(const std::vector<Target>& chain, int index, VOKKey key);
// Where Tab (step 1) or Shift-Tab (step -1) moves the focus from index;
// -1 for an empty chain.
int TabMove(const std::vector<Target>& chain, int index, int step);

}  // namespace vok::session
