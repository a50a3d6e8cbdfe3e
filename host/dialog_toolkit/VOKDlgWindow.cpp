// File: VOKDlgWindow.cpp
#include "dialog_toolkit/VOKDlgWindow.h"

VOKDlgWindow::VOKDlgWindow(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDlgContainer(parent, name, style) {
  _isWindow = true;
  SetVisibility(VOKDlgVisibility::Hidden);
}

VOKDlgWindow::VOKDlgWindow(const VOKDlgWindow& other) : VOKDlgContainer(other) { _isWindow = true; }

VOKDlgWindow& VOKDlgWindow::operator=(const VOKDlgWindow& other) {
  if (this == &other) return *this;
  VOKDlgContainer::operator=(other);
  return *this;
}

// What remains while the base part is destroyed is no window any more.
VOKDlgWindow::~VOKDlgWindow() { _isWindow = false; }

const char* VOKDlgWindow::IsA() const { return "VOKDlgWindow"; }
