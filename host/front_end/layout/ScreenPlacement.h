// File: ScreenPlacement.h
// Internal to the front end. Where the windows stand on the terminal,
// bottom to top: the first one centred across and a third of the way
// down; a window opened from a widget of a window below it (a calendar
// from its date field) just under that widget, else just above it, moved
// as little as it must to stay on the screen; any other window (a message
// box) centred. Message boxes wrap their text to the screen's width.
#pragma once

#include <string>
#include <vector>

#include "front_end/layout/VOKLayout.h"

namespace vok::session {

struct ScreenPlan {
  std::vector<VOKWindowLayout> windows;
  // The index of the first window larger than the screen, or -1.
  int tooLarge = -1;
};

ScreenPlan PlaceOnScreen(const std::vector<VOKDlgWindow*>& windows, VOKCellSize screen);

// Where window was opened from: the rectangle of its nearest ancestor that
// a window below it shows (a calendar's date field); null for a message
// box and for a window opened from nothing shown.
const VOKCellRect* OpenedFrom(const VOKDlgWindow& window,
                              const std::vector<VOKWindowLayout>& below);

}  // namespace vok::session
