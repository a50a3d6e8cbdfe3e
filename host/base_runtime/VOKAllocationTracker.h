// File: VOKAllocationTracker.h
// Internal to the host library. Bookkeeping behind VOKBaseUnknown's
// allocator: armed faults, the allocation count, and the blocks handed out
// whose object has not been constructed yet, so that a constructor can tell
// whether its object lives in a block of the host allocator.
#pragma once

#include <cstddef>

namespace vok_detail {

// Counts one allocation request and answers whether it must fail.
bool AllocationMustFail(const char* className);

// A block was handed out for an object of that size.
void NoteUnclaimedBlock(void* block, std::size_t size);
// The block is being released (constructed or not).
void ForgetUnclaimedBlock(void* block);
// Called by the root constructor: true when object starts a block handed
// out by the allocator and not claimed yet (the block is then claimed).
bool ClaimBlock(const void* object);
// The object whose root constructor ran last, when it claimed a block;
// read once by the command constructor (which runs right after it).
const void* TakeLastClaim();

}  // namespace vok_detail
