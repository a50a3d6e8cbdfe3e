// File: VOKAllocationFaults.cpp
// Armed allocation faults (the current host context's) and the record of
// unclaimed blocks (the process's: blocks are claimed whatever the context).
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base_runtime/HostContext.h"
#include "base_runtime/VOKAllocationTracker.h"
#include "base_runtime/VOKBaseUnknown.h"

namespace {

using vok::AllocationFaultState;

AllocationFaultState& faults() { return vok::HostContext::Current().AllocationFaults(); }

// Blocks handed out whose object has not run its root constructor yet.
// Nested new-expressions (an allocation while evaluating another one's
// arguments) can leave a few outstanding at once.
struct UnclaimedBlock {
  const char* begin = nullptr;
  std::size_t size = 0;
};
constexpr std::size_t kMaxUnclaimed = 16;
std::array<UnclaimedBlock, kMaxUnclaimed> unclaimed;
std::size_t unclaimedCount = 0;
const void* lastClaim = nullptr;

void removeUnclaimed(std::size_t index) {
  unclaimed[index] = unclaimed[unclaimedCount - 1];
  --unclaimedCount;
}

bool classIsFailing(const char* className) {
  const auto& names = faults().failingClasses;
  return className != nullptr && std::find(names.begin(), names.end(), className) != names.end();
}

}  // namespace

namespace vok_detail {

bool AllocationMustFail(const char* className) {
  AllocationFaultState& state = faults();
  ++state.allocations;
  if (state.failAt != 0 && state.allocations == state.failAt) {
    state.failAt = 0;
    return true;
  }
  return classIsFailing(className);
}

void NoteUnclaimedBlock(void* block, std::size_t size) {
  if (unclaimedCount == kMaxUnclaimed) removeUnclaimed(0);
  unclaimed[unclaimedCount++] = {static_cast<const char*>(block), size};
}

void ForgetUnclaimedBlock(void* block) {
  for (std::size_t i = 0; i < unclaimedCount; ++i) {
    if (unclaimed[i].begin == block) {
      removeUnclaimed(i);
      return;
    }
  }
}

bool ClaimBlock(const void* object) {
  const auto* address = static_cast<const char*>(object);
  lastClaim = nullptr;
  for (std::size_t i = 0; i < unclaimedCount; ++i) {
    const UnclaimedBlock& block = unclaimed[i];
    // Compared as integers: the object may lie in no block at all.
    const auto from = reinterpret_cast<std::uintptr_t>(block.begin);
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    if (at >= from && at < from + block.size) {
      removeUnclaimed(i);
      lastClaim = object;
      return true;
    }
  }
  return false;
}

const void* TakeLastClaim() {
  const void* claim = lastClaim;
  lastClaim = nullptr;
  return claim;
}

}  // namespace vok_detail

void VOKAllocationFaults::FailNth(int n) {
  AllocationFaultState& state = faults();
  state.failAt = n > 0 ? state.allocations + n : 0;
}

void VOKAllocationFaults::FailClass(const std::string& className) {
  faults().failingClasses.push_back(className);
}

void VOKAllocationFaults::Clear() { faults() = AllocationFaultState{}; }

long VOKAllocationFaults::Allocations() { return faults().allocations; }
