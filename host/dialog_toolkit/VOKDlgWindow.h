// File: VOKDlgWindow.h
// A top-level window: hidden until shown, laid out by tabulation
// attachments, closed by the user through its close control.
#pragma once

#include "dialog_toolkit/VOKDialog.h"
#include "dialog_toolkit/VOKDlgTabulation.h"

class VOK_HOST_API VOKDlgWindow : public VOKDialog {
 public:
  VOKDlgWindow(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  VOKDlgWindow(const VOKDlgWindow& other);
  VOKDlgWindow& operator=(const VOKDlgWindow& other);
  ~VOKDlgWindow() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgWindow)
  const char* IsA() const override;

  // (tabulation line, mode, widgets..., nullptr)
  template <class... Widgets>
  void SetHorizontalAttachment(int line, int mode, Widgets... widgets) {
    _tabulation.Attach(true, line, mode, VOKDlgWidgetList(widgets...));
  }
  template <class... Widgets>
  void SetVerticalAttachment(int line, int mode, Widgets... widgets) {
    _tabulation.Attach(false, line, mode, VOKDlgWidgetList(widgets...));
  }
  const VOKDlgTabulation& GetTabulation() const { return _tabulation; }

  VOKNotification* GetWindCloseNotification() { return &_closeNotification; }

 protected:
  void ForgetChild(const VOKDialog* child) override;

 private:
  VOKDlgTabulation _tabulation;
  VOKNotification _closeNotification{"VOKDlgWindCloseNotification"};
};
