// File: VOKCommand.h
// Notification routing. A command registers callbacks on itself for a
// (sender, notification) pair; when the sender sends that notification every
// matching callback runs on its command, in registration order, with the
// data given at registration.
//
// Safety: a registration goes with its sender or its receiver; a callback
// never runs on a destroyed object, even when one callback destroys another
// callback's receiver during the same dispatch. Objects handed to
// RequestDelayedDestruction are destroyed when the outermost dispatch
// returns (or by FlushDelayedDestructions outside any dispatch).
#pragma once

#include <cstddef>
#include <type_traits>

#include "HostExport.h"
#include "base_runtime/VOKBaseUnknown.h"
#include "command_framework/VOKNotification.h"

class VOK_HOST_API VOKEventSubscriber : public VOKBaseUnknown {};

class VOK_HOST_API VOKCommand : public VOKEventSubscriber {
 public:
  using Callback = void (VOKCommand::*)(VOKCommand* sender, VOKNotification* notification,
                                        void* data);

  VOKCommand() = default;
  VOKCommand(const VOKCommand& other);
  VOKCommand& operator=(const VOKCommand& other);
  ~VOKCommand() override;

  // Registers method, called on this command each time sender sends
  // notification. Returns nonzero on success, 0 when sender, notification or
  // method is null.
  int AddAnalyseNotificationCB(VOKCommand* sender, VOKNotification* notification,
                               Callback method, void* data);

  template <class T>
  int AddAnalyseNotificationCB(VOKCommand* sender, VOKNotification* notification,
                               void (T::*method)(VOKCommand*, VOKNotification*, void*),
                               void* data) {
    static_assert(std::is_base_of_v<VOKCommand, T>, "callbacks belong to commands");
    return AddAnalyseNotificationCB(sender, notification, static_cast<Callback>(method), data);
  }

  // This command sends notification; every callback registered for this
  // sender and notification runs. target is the command addressed (widgets
  // address themselves); it is recorded for listeners.
  void SendNotification(VOKCommand* target, VOKNotification* notification);

  // Destroys this object when the outermost dispatch has returned.
  virtual void RequestDelayedDestruction();

  static void FlushDelayedDestructions();
  static bool InDispatch();
  static std::size_t RegisteredCallbacks();
  static std::size_t PendingDestructions();
};
