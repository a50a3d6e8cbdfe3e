// File: VOKCommandRegistry.cpp
// Registration storage and lookup for notification dispatch.
#include "command_framework/VOKCommandRegistry.h"

#include <algorithm>

VOKCommandRegistry& VOKCommandRegistry::Instance() {
  // Never destroyed: commands with static storage may outlive any static.
  static auto* registry = new VOKCommandRegistry;
  return *registry;
}

void VOKCommandRegistry::Add(VOKCommand* sender, VOKNotification* notification,
                             VOKCommand* receiver, VOKCommand::Callback method, void* data) {
  _entries.push_back({++_lastId, sender, notification, receiver, method, data});
  ++sender->_registrations;
  ++receiver->_registrations;
}

void VOKCommandRegistry::DropFor(VOKCommand* command) {
  if (command->_registrations == 0) return;
  std::erase_if(_entries, [command](const VOKRegistration& entry) {
    if (entry.sender != command && entry.receiver != command) return false;
    VOKCommand* other = entry.sender == command ? entry.receiver : entry.sender;
    if (other != command) --other->_registrations;
    return true;
  });
  command->_registrations = 0;
}

const VOKRegistration* VOKCommandRegistry::NextMatch(const VOKCommand* sender,
                                                     const VOKNotification* notification,
                                                     std::uint64_t after,
                                                     std::uint64_t upTo) const {
  auto entry = std::upper_bound(
      _entries.begin(), _entries.end(), after,
      [](std::uint64_t id, const VOKRegistration& candidate) { return id < candidate.id; });
  for (; entry != _entries.end() && entry->id <= upTo; ++entry) {
    if (entry->sender == sender && entry->notification == notification) return &*entry;
  }
  return nullptr;
}
