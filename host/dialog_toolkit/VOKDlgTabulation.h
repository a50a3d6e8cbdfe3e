// File: VOKDlgTabulation.h
// Tabulation attachments of a window or frame: numbered horizontal and
// vertical lines, each with a mode and the widgets attached to it in order.
// Vertical line 1 is the left edge, line 2 the right edge of the widgets
// attached to both; horizontal lines are taken top to bottom in index order.
// Modes: 1 the widgets stand side by side along the line (horizontal) or
// share their left edge (vertical); 4 they share their right edge; 5 the
// widget is stacked on its own line (horizontal) or its column keeps its
// own width (vertical).
#pragma once

#include <vector>

#include "HostExport.h"

class VOKDialog;

struct VOKDlgAttachment {
  int line = 0;
  int mode = 0;
  std::vector<VOKDialog*> widgets;
};

class VOK_HOST_API VOKDlgTabulation {
 public:
  void Attach(bool horizontal, int line, int mode, std::vector<VOKDialog*> widgets);
  // Drops a destroyed widget from every line.
  void Forget(const VOKDialog* widget);
  const std::vector<VOKDlgAttachment>& Horizontal() const { return _horizontal; }
  const std::vector<VOKDlgAttachment>& Vertical() const { return _vertical; }

 private:
  std::vector<VOKDlgAttachment> _horizontal;
  std::vector<VOKDlgAttachment> _vertical;
};

// Collects a null-terminated widget list; widgets after the first null are
// ignored.
template <class... Widgets>
std::vector<VOKDialog*> VOKDlgWidgetList(Widgets... widgets) {
  std::vector<VOKDialog*> list;
  bool ended = false;
  for (VOKDialog* widget : {static_cast<VOKDialog*>(widgets)...}) {
    ended = ended || widget == nullptr;
    if (!ended) list.push_back(widget);
  }
  return list;
}
