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
#include <functional>
#include <type_traits>

#include "base_runtime/HostExport.h"
#include "base_runtime/VOKBaseUnknown.h"
#include "command_framework/VOKNotification.h"

struct VOKRegistration;

/// The base of everything that receives notifications.
class VOK_HOST_API VOKEventSubscriber : public VOKBaseUnknown {};

/// An object that sends notifications and receives them through registered
/// callbacks. Callbacks run in registration order; a command deleted meanwhile
/// receives none. Commands made by the host allocator can be released with
/// RequestDelayedDestruction.
class VOK_HOST_API VOKCommand : public VOKEventSubscriber {
 public:
  /// A callback: a member function taking the sender, the notification and the
  /// client data given at registration.
  using Callback = void (VOKCommand::*)(VOKCommand* sender, VOKNotification* notification,
                                        void* data);

  /// A command with no callbacks.
  VOKCommand();
  /// A copy has no callbacks of its own.
  VOKCommand(const VOKCommand& other);
  /// Keeps this command's callbacks.
  VOKCommand& operator=(const VOKCommand& other);
  /// Drops every callback it sends to or receives.
  ~VOKCommand() override;

  /// Registers method, called on this command each time sender sends
  /// notification. Returns nonzero on success, 0 when sender, notification or
  /// method is null.
  int AddAnalyseNotificationCB(VOKCommand* sender, VOKNotification* notification, Callback method,
                               void* data);

  /// Registers a member function of a class derived from VOKCommand.
  template <class T>
  int AddAnalyseNotificationCB(VOKCommand* sender, VOKNotification* notification,
                               void (T::*method)(VOKCommand*, VOKNotification*, void*),
                               void* data) {
    static_assert(std::is_base_of_v<VOKCommand, T>, "callbacks belong to commands");
    return AddAnalyseNotificationCB(sender, notification, static_cast<Callback>(method), data);
  }

  /// This command sends notification; every callback registered for this
  /// sender and notification runs. target is the command addressed (widgets
  /// address themselves); it is recorded for listeners.
  void SendNotification(VOKCommand* target, VOKNotification* notification);

  /// Destroys this object when the outermost dispatch has returned.
  virtual void RequestDelayedDestruction();

  /// True when this object was created by the host allocator: only such
  /// objects are ever deleted by the toolkit (delayed or with a parent).
  bool IsHostAllocated() const { return _onHeap; }

  /// Destroys the objects queued for delayed destruction; call outside a
  /// dispatch.
  static void FlushDelayedDestructions();
  /// True while a notification is being sent.
  static bool InDispatch();
  /// Callbacks registered now, of all commands.
  static std::size_t RegisteredCallbacks();
  /// Objects queued for delayed destruction now.
  static std::size_t PendingDestructions();

  /// Test and front-end hook: told of every send (sender, target,
  /// notification) before its callbacks run. An empty listener removes it;
  /// returns the previous one.
  using SendListener =
      std::function<void(VOKCommand* sender, VOKCommand* target, VOKNotification* notification)>;
  /// Installs listener; an empty one removes it. Returns the previous one.
  static SendListener SetSendListener(SendListener listener);

 private:
  friend class VOKCommandRegistry;
  friend class VOKDestructionQueue;

  /// The ends of this command's two lists in the registry: the callbacks it
  /// sends to, oldest first, and those registered on it as receiver.
  VOKRegistration* _firstSent = nullptr;
  VOKRegistration* _lastSent = nullptr;
  VOKRegistration* _firstHeard = nullptr;
  bool _onHeap;                      ///< allocated by the host allocator
  bool _pendingDestruction = false;  ///< queued for delayed destruction
};
