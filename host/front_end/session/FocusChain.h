// File: FocusChain.h
// Internal to the front end. The places of a window that take the keyboard
// focus, in reading order (top to bottom, then left to right): its shown,
// usable push buttons, combos, spinners and editors (and the chosen button
// of a button grid, see ButtonGrid.h), then its own OK and Cancel buttons.
#pragma once

#include <vector>

#include "front_end/layout/VOKLayout.h"

namespace vok::session {

enum class Part { Widget, OK, Cancel };

struct Target {
  VOKDialog* widget = nullptr;  // the window itself for OK and Cancel
  Part part = Part::Widget;
  VOKCellRect rect;
  // A button of a grid of buttons (see ButtonGrid.h), found once when the
  // chain is made.
  bool inGrid = false;

  bool Same(const Target& other) const { return widget == other.widget && part == other.part; }
};

std::vector<Target> FocusChain(const VOKWindowLayout& window);

// The index of a target in the chain, or -1.
int IndexOf(const std::vector<Target>& chain, const Target& target);
// The first target at or after a place in reading order, else the last one;
// -1 for an empty chain.
int AtOrAfter(const std::vector<Target>& chain, const VOKCellRect& place);
// The target in the nearest row above (up) or below, closest to the
// column of from; -1 when there is none.
int Vertical(const std::vector<Target>& chain, const VOKCellRect& from, bool up);

}  // namespace vok::session
