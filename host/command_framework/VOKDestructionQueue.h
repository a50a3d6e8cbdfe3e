// File: VOKDestructionQueue.h
// Internal to the host library. The dispatch depth and the objects waiting
// for delayed destruction: they are deleted, in the order requested, when
// the outermost dispatch scope closes or on an explicit flush outside any
// dispatch.
#pragma once

#include <cstddef>

class VOKCommand;

class VOKDestructionQueue {
 public:
  // Queues a heap object once; refuses (with a message) any other object.
  static void Request(VOKCommand* command);
  // Called by a queued object's destructor when it goes earlier.
  static void Forget(VOKCommand* command);
  // Deletes every queued object unless a dispatch is running.
  static void Flush();
  static std::size_t Size();
};

// Marks a dispatch (a notification being handled, a blocking box being
// answered). Closing the outermost scope runs the delayed destructions.
class VOKDispatchScope {
 public:
  VOKDispatchScope();
  ~VOKDispatchScope();
  VOKDispatchScope(const VOKDispatchScope&) = delete;
  VOKDispatchScope& operator=(const VOKDispatchScope&) = delete;

  static int Depth();
};
