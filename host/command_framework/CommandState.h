// File: CommandState.h
// Internal to the host library. The command framework's state in a host
// context: the callback registry, the delayed destructions and the send
// listener, made on the framework's first use in the context.
#pragma once

#include <deque>

#include "base_runtime/HostContext.h"
#include "command_framework/VOKCommand.h"
#include "command_framework/VOKCommandRegistry.h"

struct VOKDestructionState {
  int dispatchDepth = 0;
  bool flushing = false;
  // Taken from the front, so that a long queue empties in linear time.
  std::deque<VOKCommand*> pending;
};

class VOKCommandState : public vok::HostContext::LayerState {
 public:
  // The current host context's.
  static VOKCommandState& Current();

  // Carries out the delayed destructions still pending.
  void Close() override;

  VOKCommandRegistry registry;
  VOKDestructionState destructions;
  VOKCommand::SendListener sendListener;
};
