// File: LayoutInputs.cpp
// Reading what a layout depends on, the way the engine walks the widgets.
#include "front_end/layout/LayoutInputs.h"

#include "dialog_toolkit/VOKDlgNotify.h"
#include "front_end/layout/LayoutEngine.h"

namespace vok::layout {

LayoutInputs::LayoutInputs(const std::vector<VOKDlgWindow*>& windows, VOKCellSize screen)
    : _screen(screen) {
  for (const VOKDlgWindow* window : windows) {
    _laid.push_back({window, {}});
    _texts.push_back(window->GetTitle().ToUtf8());
    const auto* box = dynamic_cast<const VOKDlgNotify*>(window);
    _texts.push_back(box != nullptr ? box->GetMessage().ToUtf8() : std::string());
    read(*window);
  }
}

void LayoutInputs::read(const VOKDialog& container) {
  for (const VOKDialog* child : LaidChildren(container)) {
    if (IsContainer(*child)) {
      _laid.push_back({child, {}});
      read(*child);
    } else {
      _laid.push_back({child, LeafNatural(*child)});
    }
  }
}

}  // namespace vok::layout
