// File: WindowStack.h
// The windows a person sees, bottom to top (none while the root window is
// hidden); script lines act on the one on top (VOKDlgUser::TopWindow).
#pragma once

#include <vector>

#include "dialog_toolkit/VOKDlgWindow.h"

namespace vok_demo {

std::vector<VOKDlgWindow*> ShownWindows(VOKDlgWindow& root);

}  // namespace vok_demo
