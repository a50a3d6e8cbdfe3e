// File: VOKCommand.cpp
// Callback registration, notification sending and the command's lifetime.
#include "command_framework/VOKCommand.h"

#include <utility>

#include "base_runtime/VOKAllocationTracker.h"
#include "command_framework/CommandState.h"
#include "command_framework/VOKCommandRegistry.h"
#include "command_framework/VOKDestructionQueue.h"

namespace {

VOKCommand::SendListener& sendListener() { return VOKCommandState::Current().sendListener; }

// The root constructor, which ran just before, claimed this object's block
// when the host allocator handed it out.
bool claimedByAllocator(const VOKBaseUnknown* root) { return vok_detail::TakeLastClaim() == root; }

}  // namespace

VOKCommand::VOKCommand() : _onHeap(claimedByAllocator(this)) {}

// A copy has no registrations and is queued for nothing.
VOKCommand::VOKCommand(const VOKCommand& other)
    : VOKEventSubscriber(other), _onHeap(claimedByAllocator(this)) {}

VOKCommand& VOKCommand::operator=(const VOKCommand& other) {
  if (this == &other) return *this;
  VOKEventSubscriber::operator=(other);
  return *this;
}

VOKCommand::~VOKCommand() {
  VOKCommandRegistry::Instance().DropFor(this);
  if (_pendingDestruction) VOKDestructionQueue::Forget(this);
}

int VOKCommand::AddAnalyseNotificationCB(VOKCommand* sender, VOKNotification* notification,
                                         Callback method, void* data) {
  if (sender == nullptr || notification == nullptr || method == nullptr) return 0;
  VOKCommandRegistry::Instance().Add(sender, notification, this, method, data);
  return 1;
}

void VOKCommand::SendNotification(VOKCommand* target, VOKNotification* notification) {
  VOKDispatchScope scope;
  if (const SendListener listener = sendListener()) listener(this, target, notification);
  // A callback may drop any registration, this command's own included (it
  // may die): the walk skips what was dropped, and each call works on a
  // copy of its registration.
  VOKCommandRegistry::Walk walk(*this, notification);
  while (const VOKRegistration* next = walk.Next()) {
    const VOKRegistration call = *next;
    (call.receiver->*call.method)(call.sender, notification, call.data);
  }
}

void VOKCommand::RequestDelayedDestruction() { VOKDestructionQueue::Request(this); }

void VOKCommand::FlushDelayedDestructions() { VOKDestructionQueue::Flush(); }

bool VOKCommand::InDispatch() { return VOKDispatchScope::Depth() > 0; }

std::size_t VOKCommand::RegisteredCallbacks() { return VOKCommandRegistry::Instance().Size(); }

std::size_t VOKCommand::PendingDestructions() { return VOKDestructionQueue::Size(); }

VOKCommand::SendListener VOKCommand::SetSendListener(SendListener listener) {
  return std::exchange(sendListener(), std::move(listener));
}
