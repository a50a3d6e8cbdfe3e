// File: VOKDlgDialog.h
// A dialog window with OK and Cancel answers (shown when its style has the
// OKButton and CancelButton bits).
#pragma once

#include "dialog_toolkit/VOKDlgWindow.h"

class VOK_HOST_API VOKDlgDialog : public VOKDlgWindow {
 public:
  VOKDlgDialog(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  VOKDlgDialog(const VOKDlgDialog& other);
  VOKDlgDialog& operator=(const VOKDlgDialog& other);
  ~VOKDlgDialog() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgDialog)
  const char* IsA() const override;

  VOKNotification* GetDiaOKNotification() { return &_okNotification; }
  VOKNotification* GetDiaCANCELNotification() { return &_cancelNotification; }

 private:
  VOKNotification _okNotification{"VOKDlgDiaOKNotification"};
  VOKNotification _cancelNotification{"VOKDlgDiaCANCELNotification"};
};
