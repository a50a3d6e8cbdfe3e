// File: WindowStack.h
// The windows a person sees, bottom to top (none while the root window is
// hidden), and the one on top, which script lines act on.
#pragma once

#include <vector>

#include "dialog_toolkit/VOKDlgWindow.h"

namespace vok_demo {

std::vector<VOKDlgWindow*> ShownWindows(VOKDlgWindow& root);

// Null when no window is shown.
VOKDlgWindow* TopWindow(VOKDlgWindow& root);

}  // namespace vok_demo
