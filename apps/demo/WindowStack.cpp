// File: WindowStack.cpp
#include "demo/WindowStack.h"

#include "front_end/layout/VOKWindowStack.h"

namespace vok_demo {

std::vector<VOKDlgWindow*> ShownWindows(VOKDlgWindow& root) {
  if (root.GetVisibility() != VOKDlgVisibility::Shown) return {};
  return VOKWindowStack(root);
}

VOKDlgWindow* TopWindow(VOKDlgWindow& root) {
  const std::vector<VOKDlgWindow*> windows = ShownWindows(root);
  return windows.empty() ? nullptr : windows.back();
}

}  // namespace vok_demo
