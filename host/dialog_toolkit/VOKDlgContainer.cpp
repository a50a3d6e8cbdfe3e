// File: VOKDlgContainer.cpp
#include "dialog_toolkit/VOKDlgContainer.h"

VOKDlgContainer::~VOKDlgContainer() = default;

void VOKDlgContainer::ForgetChild(const VOKDialog* child) {
  _tabulation.Forget(child);
  VOKDialog::ForgetChild(child);
}
