// File: VOKCommandRegistry.h
// Internal to the host library. The callbacks registered by commands. Each
// registration sits in two lists whose ends the commands themselves hold:
// its sender's, in registration order, and its receiver's. Sending walks
// the sender's list only, and a command's death drops exactly what its two
// lists hold, so neither depends on how many other registrations exist.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "command_framework/VOKCommand.h"

struct VOKRegistration {
  std::uint64_t id;  // increasing: a sender's list is in id order
  VOKCommand* sender;
  VOKNotification* notification;
  VOKCommand* receiver;
  VOKCommand::Callback method;
  void* data;
  VOKRegistration* previousSent;
  VOKRegistration* nextSent;
  VOKRegistration* previousHeard;
  VOKRegistration* nextHeard;
};

class VOKCommandRegistry {
 public:
  // The current host context's registry.
  static VOKCommandRegistry& Instance();

  void Add(VOKCommand* sender, VOKNotification* notification, VOKCommand* receiver,
           VOKCommand::Callback method, void* data);
  // Drops every registration naming command as sender or receiver.
  void DropFor(VOKCommand* command);
  std::size_t Size() const { return _size; }

  // One send's way through its sender's registrations for a notification:
  // those that existed when it began, oldest first, skipping any dropped
  // meanwhile (even when the sender itself dies). Walks nest with sends.
  class Walk {
   public:
    Walk(const VOKCommand& sender, const VOKNotification* notification);
    ~Walk();
    Walk(const Walk&) = delete;
    Walk& operator=(const Walk&) = delete;

    // The next registration to call, or null; valid until the next change.
    const VOKRegistration* Next();

   private:
    friend class VOKCommandRegistry;
    VOKCommandRegistry& _registry;
    const VOKNotification* _notification;
    std::uint64_t _last;
    VOKRegistration* _next;  // moved on when the registry drops it
    Walk* _outer;
  };

 private:
  void Remove(VOKRegistration* registration);

  // Chunked storage: growing never moves an entry. Dropped entries are
  // kept for reuse, linked by nextSent.
  std::deque<VOKRegistration> _storage;
  VOKRegistration* _unused = nullptr;
  std::size_t _size = 0;
  std::uint64_t _lastId = 0;
  Walk* _innermostWalk = nullptr;
};
