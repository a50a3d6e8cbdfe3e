// File: VOKCommandRegistry.cpp
// Registration storage and lookup for notification dispatch.
#include "command_framework/VOKCommandRegistry.h"

#include <algorithm>
#include <iterator>

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

// Objects tend to die in the reverse order of their registrations (a
// dialog's widgets before the host's older ones), so the search runs from
// the newest entry and stops once every registration of the command is
// gone; a registration naming the command twice counts twice.
void VOKCommandRegistry::DropFor(VOKCommand* command) {
  std::uint32_t remaining = command->_registrations;
  for (auto entry = _entries.end(); remaining > 0 && entry != _entries.begin();) {
    --entry;
    const bool asSender = entry->sender == command;
    const bool asReceiver = entry->receiver == command;
    if (!asSender && !asReceiver) continue;
    if (asSender && asReceiver) {
      remaining = remaining > 2 ? remaining - 2 : 0;
    } else {
      VOKCommand* other = asSender ? entry->receiver : entry->sender;
      --other->_registrations;
      --remaining;
    }
    // The newest entry goes first as a rule, and popping it is cheap.
    if (std::next(entry) == _entries.end()) {
      _entries.pop_back();
      entry = _entries.end();
    } else {
      entry = _entries.erase(entry);
    }
  }
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
