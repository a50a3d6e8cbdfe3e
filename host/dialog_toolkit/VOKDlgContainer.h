// File: VOKDlgContainer.h
// The base of windows and frames: a widget whose children may be placed by
// tabulation attachments. The attachments name the container's own
// children, so a copy starts without any and an assignment keeps its own.
#pragma once

#include "dialog_toolkit/VOKDialog.h"
#include "dialog_toolkit/VOKDlgTabulation.h"

/// A widget that holds others and the tabulation lines they are attached to.
class VOK_HOST_API VOKDlgContainer : public VOKDialog {
 public:
  /// A widget named name under parent (null: a root) with the style bits of
  /// VOKDlgStyle.
  VOKDlgContainer(VOKDialog* parent, const VOKString& name, std::uint64_t style)
      : VOKDialog(parent, name, style) {}
  /// A copy without children or attachments (see VOKDialog's copy).
  VOKDlgContainer(const VOKDlgContainer& other) : VOKDialog(other) {}
  /// Copies the properties, as VOKDialog's does.
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
  /// (tabulation line, mode, widgets..., nullptr)
  void SetVerticalAttachment(int line, int mode, Widgets... widgets) {
    _tabulation.Attach(false, line, mode, VOKDlgWidgetList(widgets...));
  }
  /// The attachments made so far.
  const VOKDlgTabulation& GetTabulation() const { return _tabulation; }

 protected:
  /// Drops child from the attachments.
  void ForgetChild(const VOKDialog* child) override;

 private:
  VOKDlgTabulation _tabulation;
};
