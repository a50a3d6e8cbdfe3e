// File: WindowParts.cpp
// Which window parts a window has, and their texts.
#include "front_end/layout/WindowParts.h"

#include "front_end/kinds/WidgetKind.h"
#include "front_end/layout/VOKLayout.h"
#include "front_end/text/VOKCellText.h"

namespace vok::window {

namespace {

bool hasStyle(const VOKDlgWindow& window, std::uint64_t bit) {
  return (window.GetStyle() & bit) != 0;
}

bool hasOwnButtons(const VOKDlgWindow& window) { return kinds::KindOf(window).HasOwnButtons(); }

// Built by appending: g++ 12 warns falsely about "[" + text at -O3.
std::string face(const std::string& label) {
  std::string bracketed(1, '[');
  bracketed.append(label).push_back(']');
  return bracketed;
}

}  // namespace

bool HasClose(const VOKDlgWindow& window) { return hasStyle(window, VOKDlgStyle::CloseControl); }

bool HasOK(const VOKDlgWindow& window) {
  return VOKIsMessageBox(window) ||
         (hasOwnButtons(window) && hasStyle(window, VOKDlgStyle::OKButton));
}

bool HasCancel(const VOKDlgWindow& window) {
  return hasOwnButtons(window) && hasStyle(window, VOKDlgStyle::CancelButton);
}

std::string TitleLead(const VOKDlgWindow& window) {
  const std::string& title = window.GetTitle().ToUtf8();
  return title.empty() ? "┌─" : "┌─ " + title + " ";
}

int TitleBarColumns(const VOKDlgWindow& window) {
  const int right = HasClose(window) ? kCloseColumns : 2;  // " x ─┐" or "─┐"
  return VOKTextColumns(TitleLead(window)) + 1 + right;
}

std::string OKFace() { return face(OKLabel()); }

std::string CancelFace() { return face(CancelLabel()); }

}  // namespace vok::window
