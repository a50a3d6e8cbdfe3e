// File: VOKDestructionQueue.cpp
// Dispatch depth and delayed destruction.
#include "command_framework/VOKDestructionQueue.h"

#include <cstdio>
#include <deque>

#include "command_framework/CommandState.h"
#include "command_framework/VOKCommand.h"

namespace {

VOKDestructionState& state() { return VOKCommandState::Current().destructions; }

std::deque<VOKCommand*>& queue() { return state().pending; }

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
  VOKDestructionState& destructions = state();
  if (destructions.dispatchDepth > 0 || destructions.flushing) return;
  destructions.flushing = true;
  auto& pending = destructions.pending;
  while (!pending.empty()) {
    VOKCommand* next = pending.front();
    pending.pop_front();
    next->_pendingDestruction = false;
    delete next;
  }
  destructions.flushing = false;
}

std::size_t VOKDestructionQueue::Size() { return queue().size(); }

VOKDispatchScope::VOKDispatchScope() { ++state().dispatchDepth; }

VOKDispatchScope::~VOKDispatchScope() {
  if (--state().dispatchDepth == 0) VOKDestructionQueue::Flush();
}

int VOKDispatchScope::Depth() { return state().dispatchDepth; }
