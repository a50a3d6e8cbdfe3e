// File: VOKDlgWindow.h
// A top-level window: hidden until shown, laid out by tabulation
// attachments, closed by the user through its close control.
#pragma once

#include <utility>

#include "dialog_toolkit/VOKDlgContainer.h"

/// A window: a container the front end draws on its own, hidden until shown.
/// Windows made under another widget stack above it (VOKDlgUser::TopWindow).
class VOK_HOST_API VOKDlgWindow : public VOKDlgContainer {
 public:
  /// A hidden window named name under parent (null: a root) with the style bits
  /// of VOKDlgStyle.
  VOKDlgWindow(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  /// A copy without children (see VOKDialog's copy).
  VOKDlgWindow(const VOKDlgWindow& other);
  /// Copies the properties, as VOKDialog's does.
  VOKDlgWindow& operator=(const VOKDlgWindow& other);
  ~VOKDlgWindow() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgWindow)
  const char* IsA() const override;

  /// Sent when the person closes the window.
  VOKNotification* GetWindCloseNotification() { return &_closeNotification; }

  /// Asks the front end to give the keyboard focus to a widget of this
  /// window (the field a message was about, for instance). The front end
  /// takes the request once, and only compares the pointer with the widgets
  /// it shows.
  void RequestFocus(const VOKDialog* widget) { _focusRequest = widget; }
  /// The widget last asked for, or null; clears the request.
  const VOKDialog* TakeFocusRequest() { return std::exchange(_focusRequest, nullptr); }

 private:
  VOKNotification _closeNotification{"VOKDlgWindCloseNotification"};
  const VOKDialog* _focusRequest = nullptr;
};
