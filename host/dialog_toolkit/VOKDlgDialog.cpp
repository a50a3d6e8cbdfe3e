// File: VOKDlgDialog.cpp
#include "dialog_toolkit/VOKDlgDialog.h"

VOKDlgDialog::VOKDlgDialog(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDlgWindow(parent, name, style) {}

VOKDlgDialog::VOKDlgDialog(const VOKDlgDialog& other) : VOKDlgWindow(other) {}

VOKDlgDialog& VOKDlgDialog::operator=(const VOKDlgDialog& other) {
  VOKDlgWindow::operator=(other);
  return *this;
}

VOKDlgDialog::~VOKDlgDialog() = default;

const char* VOKDlgDialog::IsA() const { return "VOKDlgDialog"; }
