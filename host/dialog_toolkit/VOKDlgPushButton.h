// File: VOKDlgPushButton.h
// A push button; its label is the title, or its icon when it has one.
#pragma once

#include "dialog_toolkit/VOKDialog.h"

class VOK_HOST_API VOKDlgPushButton : public VOKDialog {
 public:
  VOKDlgPushButton(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  ~VOKDlgPushButton() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgPushButton)
  const char* IsA() const override;

  VOKNotification* GetPushBActivateNotification() { return &_activateNotification; }

 private:
  VOKNotification _activateNotification{"VOKDlgPushBActivateNotification"};
};
