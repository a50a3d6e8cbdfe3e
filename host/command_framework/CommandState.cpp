// File: CommandState.cpp
#include "command_framework/CommandState.h"

#include "command_framework/VOKDestructionQueue.h"

VOKCommandState& VOKCommandState::Current() {
  return vok::HostContext::Current().LayerSlot<VOKCommandState>(vok::HostContext::Layer::Commands);
}

void VOKCommandState::Close() { VOKDestructionQueue::Flush(); }
