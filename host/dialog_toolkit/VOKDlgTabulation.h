// File: VOKDlgTabulation.h
// Tabulation attachments of a window or frame: numbered horizontal and
// vertical lines, each with a mode and the widgets attached to it in order.
// Horizontal lines are rows, top to bottom in line index order:
//   mode 1  the line's widgets stand side by side, left to right, one blank
//           column apart
//   mode 4  the same, pushed against the container's right side
//   mode 5  each widget stands on a row of its own
// Vertical lines give the widgets' edges:
//   mode 1 on one line and mode 4 on another: the widget's left and right
//           edges are the container's sides; it takes the width its row
//           leaves (rows wider than the container make it wider)
//   mode 4 only: the widget (and those after it on its row) is pushed
//           against the right side
//   mode 5 only, or no vertical line: the widget keeps its natural width
// Shown children on no horizontal line stand on rows of their own below
// the others, in child order; hidden children take no room.
#pragma once

#include <vector>

#include "base_runtime/HostExport.h"

class VOKDialog;

/// Widgets attached to one tabulation line.
struct VOKDlgAttachment {
  /// The line's number.
  int line = 0;
  /// How the widgets attach (kept for the host).
  int mode = 0;
  /// The widgets, in the order given.
  std::vector<VOKDialog*> widgets;
};

/// The tabulation lines of a container, horizontal and vertical.
class VOK_HOST_API VOKDlgTabulation {
 public:
  /// Attaches widgets to a line; horizontal chooses the direction.
  void Attach(bool horizontal, int line, int mode, std::vector<VOKDialog*> widgets);
  /// Drops a destroyed widget from every line.
  void Forget(const VOKDialog* widget);
  /// The horizontal lines, in attachment order.
  const std::vector<VOKDlgAttachment>& Horizontal() const { return _horizontal; }
  /// The vertical lines, in attachment order.
  const std::vector<VOKDlgAttachment>& Vertical() const { return _vertical; }

 private:
  std::vector<VOKDlgAttachment> _horizontal;
  std::vector<VOKDlgAttachment> _vertical;
};

/// Collects a null-terminated widget list; widgets after the first null are
/// ignored.
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
