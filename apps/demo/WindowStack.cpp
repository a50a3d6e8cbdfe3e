// File: WindowStack.cpp
#include "demo/WindowStack.h"

#include "front_end/layout/VOKWindowStack.h"

namespace vok_demo {

std::vector<VOKDlgWindow*> ShownWindows(VOKDlgWindow& root) {
  if (root.GetVisibility() != VOKDlgVisibility::Shown) return {};
  return VOKWindowStack(root);
}

}  // namespace vok_demo
