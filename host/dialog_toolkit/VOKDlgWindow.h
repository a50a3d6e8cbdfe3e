// File: VOKDlgWindow.h
// A top-level window: hidden until shown, laid out by tabulation
// attachments, closed by the user through its close control.
#pragma once

#include <utility>

#include "dialog_toolkit/VOKDlgContainer.h"

class VOK_HOST_API VOKDlgWindow : public VOKDlgContainer {
 public:
  VOKDlgWindow(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  VOKDlgWindow(const VOKDlgWindow& other);
  VOKDlgWindow& operator=(const VOKDlgWindow& other);
  ~VOKDlgWindow() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgWindow)
  const char* IsA() const override;

  VOKNotification* GetWindCloseNotification() { return &_closeNotification; }

  /// Asks the front end to give the keyboard focus to a widget of this
  /// window (the field a message was about, for instance). The front end
  /// takes the request once, and only compares the pointer with the widgets
  /// it shows.
  void RequestFocus(const VOKDialog* widget) { _focusRequest = widget; }
  const VOKDialog* TakeFocusRequest() { return std::exchange(_focusRequest, nullptr); }

 private:
  VOKNotification _closeNotification{"VOKDlgWindCloseNotification"};
  const VOKDialog* _focusRequest = nullptr;
};
