// File: VOKDlgTabulation.cpp
// Tabulation lines kept in index order, one entry per line index.
#include "dialog_toolkit/VOKDlgTabulation.h"

#include <algorithm>

namespace {

// A later attachment to the same line replaces the earlier one.
void attachTo(std::vector<VOKDlgAttachment>& lines, int line, int mode,
              std::vector<VOKDialog*> widgets) {
  auto at = std::lower_bound(lines.begin(), lines.end(), line,
                             [](const VOKDlgAttachment& a, int index) { return a.line < index; });
  if (at == lines.end() || at->line != line) at = lines.insert(at, VOKDlgAttachment{line, 0, {}});
  at->mode = mode;
  at->widgets = std::move(widgets);
}

void forgetIn(std::vector<VOKDlgAttachment>& lines, const VOKDialog* widget) {
  for (VOKDlgAttachment& attachment : lines) std::erase(attachment.widgets, widget);
}

}  // namespace

void VOKDlgTabulation::Attach(bool horizontal, int line, int mode,
                              std::vector<VOKDialog*> widgets) {
  attachTo(horizontal ? _horizontal : _vertical, line, mode, std::move(widgets));
}

void VOKDlgTabulation::Forget(const VOKDialog* widget) {
  forgetIn(_horizontal, widget);
  forgetIn(_vertical, widget);
}
