// File: WidgetLookup.cpp
#include "demo/WidgetLookup.h"

#include <functional>

#include "dialog_toolkit/VOKDlgWindow.h"

namespace vok_demo {
namespace {

// The first widget below parent, depth first and outside child windows,
// that matches.
VOKDialog* FindBelow(const VOKDialog& parent,
                     const std::function<bool(const VOKDialog&)>& matches) {
  for (VOKDialog* child : parent.GetChildren()) {
    if (dynamic_cast<VOKDlgWindow*>(child) != nullptr) continue;
    if (matches(*child)) return child;
    if (VOKDialog* found = FindBelow(*child, matches)) return found;
  }
  return nullptr;
}

}  // namespace

VOKDialog* FindWidget(VOKDialog& window, const std::string& name) {
  return FindBelow(window,
                   [&](const VOKDialog& widget) { return widget.GetName() == name.c_str(); });
}

VOKDlgPushButton* FindButton(VOKDialog& window, const std::string& text) {
  const auto labelled = [&](const VOKDialog& widget) {
    return dynamic_cast<const VOKDlgPushButton*>(&widget) != nullptr &&
           widget.GetVisibility() == VOKDlgVisibility::Shown && widget.GetTitle().ToUtf8() == text;
  };
  if (VOKDialog* button = FindBelow(window, labelled))
    return static_cast<VOKDlgPushButton*>(button);
  return dynamic_cast<VOKDlgPushButton*>(FindWidget(window, text));
}

std::string WindowLabel(const VOKDialog& window) {
  const std::string title = window.GetTitle().ToUtf8();
  return title.empty() ? window.GetName().str() : title;
}

}  // namespace vok_demo
