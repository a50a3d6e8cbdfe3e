// File: VOKDlgUserLookup.cpp
// What the person sees: the windows on screen and the widgets by the text
// they show.
#include "dialog_toolkit/VOKDlgUser.h"
#include "dialog_toolkit/VOKDlgWindow.h"

namespace {

bool isWindow(const VOKDialog& widget) { return dynamic_cast<const VOKDlgWindow*>(&widget); }

void collectOpenWindows(const VOKDialog& widget, std::vector<VOKDlgWindow*>& windows) {
  for (VOKDialog* child : widget.GetChildren()) {
    auto* window = dynamic_cast<VOKDlgWindow*>(child);
    if (window != nullptr && window->GetVisibility() == VOKDlgVisibility::Shown)
      windows.push_back(window);
    collectOpenWindows(*child, windows);
  }
}

VOKDialog* findShownBelow(const VOKDialog& parent, const VOKUnicodeString& text) {
  for (VOKDialog* child : parent.GetChildren()) {
    if (isWindow(*child)) continue;
    if (child->GetTitle() == text && child->IsReachable()) return child;
    if (VOKDialog* found = findShownBelow(*child, text)) return found;
  }
  return nullptr;
}

}  // namespace

std::vector<VOKDlgWindow*> VOKDlgUser::OpenWindows(const VOKDlgWindow& root) {
  std::vector<VOKDlgWindow*> windows;
  collectOpenWindows(root, windows);
  return windows;
}

VOKDlgWindow* VOKDlgUser::TopWindow(VOKDlgWindow& root) {
  if (root.GetVisibility() != VOKDlgVisibility::Shown) return nullptr;
  const std::vector<VOKDlgWindow*> open = OpenWindows(root);
  return open.empty() ? &root : open.back();
}

VOKDialog* VOKDlgUser::FindShown(const VOKDlgWindow& window, const VOKUnicodeString& text) {
  return findShownBelow(window, text);
}
