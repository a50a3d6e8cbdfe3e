// File: VOKDlgWindow.cpp
#include "dialog_toolkit/VOKDlgWindow.h"

VOKDlgWindow::VOKDlgWindow(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDialog(parent, name, style) {
  _isWindow = true;
  SetVisibility(VOKDlgVisibility::Hidden);
}

// The tabulation names the source's children, which the copy does not
// have: a copy starts with no attachments and keeps its own on assignment.
VOKDlgWindow::VOKDlgWindow(const VOKDlgWindow& other) : VOKDialog(other) { _isWindow = true; }

VOKDlgWindow& VOKDlgWindow::operator=(const VOKDlgWindow& other) {
  if (this == &other) return *this;
  VOKDialog::operator=(other);
  return *this;
}

// What remains while the base part is destroyed is no window any more.
VOKDlgWindow::~VOKDlgWindow() { _isWindow = false; }

const char* VOKDlgWindow::IsA() const { return "VOKDlgWindow"; }

void VOKDlgWindow::ForgetChild(const VOKDialog* child) {
  _tabulation.Forget(child);
  VOKDialog::ForgetChild(child);
}
