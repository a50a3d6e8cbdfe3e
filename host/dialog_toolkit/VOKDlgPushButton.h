// File: VOKDlgPushButton.h
// A push button; its label is the title, or its icon when it has one.
#pragma once

#include "dialog_toolkit/VOKDialog.h"

/// A push button; its title is the text it shows.
class VOK_HOST_API VOKDlgPushButton : public VOKDialog {
 public:
  /// A widget named name under parent (null: a root) with the style bits of
  /// VOKDlgStyle.
  VOKDlgPushButton(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  ~VOKDlgPushButton() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgPushButton)
  const char* IsA() const override;

  /// Sent when the person presses the button.
  VOKNotification* GetPushBActivateNotification() { return &_activateNotification; }

 private:
  VOKNotification _activateNotification{"VOKDlgPushBActivateNotification"};
};
