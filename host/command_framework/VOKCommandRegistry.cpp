// File: VOKCommandRegistry.cpp
// Registration storage and the walks of notification dispatch.
#include "command_framework/VOKCommandRegistry.h"

#include "command_framework/CommandState.h"

VOKCommandRegistry& VOKCommandRegistry::Instance() { return VOKCommandState::Current().registry; }

void VOKCommandRegistry::Add(VOKCommand* sender, VOKNotification* notification,
                             VOKCommand* receiver, VOKCommand::Callback method, void* data) {
  VOKRegistration* entry = _unused;
  if (entry != nullptr) {
    _unused = entry->nextSent;
  } else {
    entry = &_storage.emplace_back();
  }
  *entry = VOKRegistration{.id = ++_lastId,
                           .sender = sender,
                           .notification = notification,
                           .receiver = receiver,
                           .method = method,
                           .data = data,
                           .previousSent = sender->_lastSent,
                           .nextSent = nullptr,
                           .previousHeard = nullptr,
                           .nextHeard = receiver->_firstHeard};
  (sender->_lastSent != nullptr ? sender->_lastSent->nextSent : sender->_firstSent) = entry;
  sender->_lastSent = entry;
  if (receiver->_firstHeard != nullptr) receiver->_firstHeard->previousHeard = entry;
  receiver->_firstHeard = entry;
  ++_size;
}

void VOKCommandRegistry::DropFor(VOKCommand* command) {
  while (command->_firstSent != nullptr) Remove(command->_firstSent);
  while (command->_firstHeard != nullptr) Remove(command->_firstHeard);
}

void VOKCommandRegistry::Remove(VOKRegistration* entry) {
  for (Walk* walk = _innermostWalk; walk != nullptr; walk = walk->_outer) {
    if (walk->_next == entry) walk->_next = entry->nextSent;
  }
  VOKCommand* sender = entry->sender;
  (entry->previousSent != nullptr ? entry->previousSent->nextSent : sender->_firstSent) =
      entry->nextSent;
  (entry->nextSent != nullptr ? entry->nextSent->previousSent : sender->_lastSent) =
      entry->previousSent;
  VOKCommand* receiver = entry->receiver;
  (entry->previousHeard != nullptr ? entry->previousHeard->nextHeard : receiver->_firstHeard) =
      entry->nextHeard;
  if (entry->nextHeard != nullptr) entry->nextHeard->previousHeard = entry->previousHeard;
  entry->nextSent = _unused;
  _unused = entry;
  --_size;
}

VOKCommandRegistry::Walk::Walk(const VOKCommand& sender, const VOKNotification* notification)
    : _registry(Instance()),
      _notification(notification),
      _last(_registry._lastId),
      _next(sender._firstSent),
      _outer(_registry._innermostWalk) {
  _registry._innermostWalk = this;
}

VOKCommandRegistry::Walk::~Walk() { _registry._innermostWalk = _outer; }

const VOKRegistration* VOKCommandRegistry::Walk::Next() {
  while (_next != nullptr && _next->id <= _last) {
    const VOKRegistration* candidate = _next;
    _next = candidate->nextSent;
    if (candidate->notification == _notification) return candidate;
  }
  return nullptr;
}
