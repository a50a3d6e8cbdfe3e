// File: VOKDlgDialog.h
// A dialog window with OK and Cancel answers (shown when its style has the
// OKButton and CancelButton bits).
#pragma once

#include "dialog_toolkit/VOKDlgWindow.h"

/// A dialog window, with OK and Cancel buttons when its style has them
/// (VOKDlgStyle::OKButton, CancelButton).
class VOK_HOST_API VOKDlgDialog : public VOKDlgWindow {
 public:
  /// A hidden dialog named name under parent (null: a root) with the style bits
  /// of VOKDlgStyle.
  VOKDlgDialog(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  /// A copy without children (see VOKDialog's copy).
  VOKDlgDialog(const VOKDlgDialog& other);
  /// Copies the properties, as VOKDialog's does.
  VOKDlgDialog& operator=(const VOKDlgDialog& other);
  ~VOKDlgDialog() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgDialog)
  const char* IsA() const override;

  /// Sent when the person presses OK.
  VOKNotification* GetDiaOKNotification() { return &_okNotification; }
  /// Sent when the person presses Cancel.
  VOKNotification* GetDiaCANCELNotification() { return &_cancelNotification; }

 private:
  VOKNotification _okNotification{"VOKDlgDiaOKNotification"};
  VOKNotification _cancelNotification{"VOKDlgDiaCANCELNotification"};
};
