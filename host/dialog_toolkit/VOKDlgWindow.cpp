// File: VOKDlgWindow.cpp
#include "dialog_toolkit/VOKDlgWindow.h"

VOKDlgWindow::VOKDlgWindow(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDialog(parent, name, style) {
  SetVisibility(VOKDlgVisibility::Hidden);
}

// The tabulation names the source's children, which the copy does not
// have: a copy starts with no attachments and keeps its own on assignment.
VOKDlgWindow::VOKDlgWindow(const VOKDlgWindow& other) : VOKDialog(other) {}

VOKDlgWindow& VOKDlgWindow::operator=(const VOKDlgWindow& other) {
  VOKDialog::operator=(other);
  return *this;
}

VOKDlgWindow::~VOKDlgWindow() = default;

const char* VOKDlgWindow::IsA() const { return "VOKDlgWindow"; }

void VOKDlgWindow::ForgetChild(const VOKDialog* child) {
  _tabulation.Forget(child);
  VOKDialog::ForgetChild(child);
}
