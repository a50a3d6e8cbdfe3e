// File: VOKCommandRegistry.h
// Internal to the host library. The callbacks registered by commands, in
// registration order. Each registration has an increasing id, so that a
// dispatch can walk the registrations that existed when it started and
// skip any that were dropped meanwhile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "command_framework/VOKCommand.h"

struct VOKRegistration {
  std::uint64_t id;
  VOKCommand* sender;
  VOKNotification* notification;
  VOKCommand* receiver;
  VOKCommand::Callback method;
  void* data;
};

class VOKCommandRegistry {
 public:
  static VOKCommandRegistry& Instance();

  void Add(VOKCommand* sender, VOKNotification* notification, VOKCommand* receiver,
           VOKCommand::Callback method, void* data);
  // Drops every registration naming command as sender or receiver.
  void DropFor(VOKCommand* command);

  // The id of the latest registration (0 when none was ever made).
  std::uint64_t LastId() const { return _lastId; }
  // The first registration for (sender, notification) whose id lies in
  // (after, upTo], or null. The pointer is valid until the next change.
  const VOKRegistration* NextMatch(const VOKCommand* sender, const VOKNotification* notification,
                                   std::uint64_t after, std::uint64_t upTo) const;
  std::size_t Size() const { return _entries.size(); }

 private:
  // Ascending ids. Chunked storage: growing never moves or doubles it.
  std::deque<VOKRegistration> _entries;
  std::uint64_t _lastId = 0;
};
