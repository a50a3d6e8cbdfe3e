// File: VOKDestructionQueue.cpp
// Dispatch depth and delayed destruction.
#include "command_framework/VOKDestructionQueue.h"

#include <cstdio>
#include <deque>

#include "command_framework/VOKCommand.h"

namespace {

int dispatchDepth = 0;
bool flushing = false;

// Taken from the front, so that a long queue empties in linear time. Never
// destroyed, like the registry: commands with static storage may request
// their destruction after every static is gone.
std::deque<VOKCommand*>& queue() {
  static auto* pending = new std::deque<VOKCommand*>;
  return *pending;
}

}  // namespace

void VOKDestructionQueue::Request(VOKCommand* command) {
  if (!command->_onHeap) {
    std::fprintf(stderr,
                 "VOKCommand::RequestDelayedDestruction: a %s not created by the host "
                 "allocator cannot be destroyed by the toolkit; request ignored\n",
                 command->IsA());
    return;
  }
  if (command->_pendingDestruction) return;
  command->_pendingDestruction = true;
  queue().push_back(command);
}

void VOKDestructionQueue::Forget(VOKCommand* command) {
  std::erase(queue(), command);
  command->_pendingDestruction = false;
}

void VOKDestructionQueue::Flush() {
  // A destructor that sends a notification closes a nested outermost scope;
  // the loop already running here takes care of what it queues.
  if (dispatchDepth > 0 || flushing) return;
  flushing = true;
  auto& pending = queue();
  while (!pending.empty()) {
    VOKCommand* next = pending.front();
    pending.pop_front();
    next->_pendingDestruction = false;
    delete next;
  }
  flushing = false;
}

std::size_t VOKDestructionQueue::Size() { return queue().size(); }

VOKDispatchScope::VOKDispatchScope() { ++dispatchDepth; }

VOKDispatchScope::~VOKDispatchScope() {
  if (--dispatchDepth == 0) VOKDestructionQueue::Flush();
}

int VOKDispatchScope::Depth() { return dispatchDepth; }
