// File: VOKDropList.h
// Where the open list of a combo stands: a bordered box as wide as the
// combo, under it (above it when the screen has no room below), showing as
// many lines as fit, the highlighted one among them.
#pragma once

#include "front_end/FrontEndExport.h"
#include "front_end/layout/VOKCellRect.h"

struct VOKDropList {
  VOKCellRect box;  // border included
  int first = 0;    // index of the first line shown
  int count = 0;    // lines shown

  // The index of the line shown at a point, or -1.
  int LineAt(int x, int y) const;
};

VOK_FRONTEND_API VOKDropList VOKPlaceDropList(const VOKCellRect& combo, int lines, int highlighted,
                                              int screenHeight);
