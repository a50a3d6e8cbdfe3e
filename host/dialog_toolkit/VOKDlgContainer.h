// File: VOKDlgContainer.h
// The base of windows and frames: a widget whose children may be placed by
// tabulation attachments. The attachments name the container's own
// children, so a copy starts without any and an assignment keeps its own.
#pragma once

#include "dialog_toolkit/VOKDialog.h"
#include "dialog_toolkit/VOKDlgTabulation.h"

class VOK_HOST_API VOKDlgContainer : public VOKDialog {
 public:
  VOKDlgContainer(VOKDialog* parent, const VOKString& name, std::uint64_t style)
      : VOKDialog(parent, name, style) {}
  VOKDlgContainer(const VOKDlgContainer& other) : VOKDialog(other) {}
  VOKDlgContainer& operator=(const VOKDlgContainer& other) {
    VOKDialog::operator=(other);
    return *this;
  }
  ~VOKDlgContainer() override;

  /// (tabulation line, mode, widgets..., nullptr)
  template <class... Widgets>
  void SetHorizontalAttachment(int line, int mode, Widgets... widgets) {
    _tabulation.Attach(true, line, mode, VOKDlgWidgetList(widgets...));
  }
  template <class... Widgets>
  void SetVerticalAttachment(int line, int mode, Widgets... widgets) {
    _tabulation.Attach(false, line, mode, VOKDlgWidgetList(widgets...));
  }
  const VOKDlgTabulation& GetTabulation() const { return _tabulation; }

 protected:
  void ForgetChild(const VOKDialog* child) override;

 private:
  VOKDlgTabulation _tabulation;
};
