// File: VOKTextRenderer.h
// Draws windows as deterministic UTF-8 text with box-drawing characters,
// from the toolkit's layout. Used for snapshots and when there is no
// terminal.
#pragma once

#include <string>
#include <vector>

#include "dialog_toolkit/VOKDlgWindow.h"
#include "front_end/FrontEndExport.h"

class VOK_FRONTEND_API VOKTextRenderer {
 public:
  // One window with everything visible in it.
  static std::string Render(VOKDlgWindow& window);
  // Several windows, bottom to top; each later one is drawn over the
  // earlier ones, as a terminal shows windows opened on top.
  static std::string Render(const std::vector<VOKDlgWindow*>& windows);
};
