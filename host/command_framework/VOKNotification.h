// File: VOKNotification.h
// A notification kind as a widget owns it: each widget holds one object per
// notification it can send, and callbacks are registered for that object.
#pragma once

#include "base_runtime/HostExport.h"
#include "base_runtime/VOKBaseUnknown.h"

/// A kind of event a widget sends (activate, modify, OK, ...): each widget
/// holds one object per kind, and callbacks are registered for that object
/// (VOKCommand::AddAnalyseNotificationCB).
class VOK_HOST_API VOKNotification : public VOKBaseUnknown {
 public:
  /// className must outlive the notification (a string literal).
  explicit VOKNotification(const char* className) : _className(className) {}
  VOKNotification(const VOKNotification&) = delete;
  VOKNotification& operator=(const VOKNotification&) = delete;

  /// The notification's class name, e.g. "VOKDlgSpinnerModifyNotification".
  const char* GetNotificationName() const { return _className; }
  const char* IsA() const override { return _className; }

 private:
  const char* _className;
};
