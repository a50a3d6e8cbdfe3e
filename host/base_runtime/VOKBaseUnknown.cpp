// File: VOKBaseUnknown.cpp
// The root object: live count, allocator, class name and descriptor.
#include "base_runtime/VOKBaseUnknown.h"

#include <cstring>
#include <new>

#include "base_runtime/VOKAllocationTracker.h"
#include "base_runtime/VOKMetaClass.h"

namespace {
long liveObjects = 0;
}  // namespace

VOKBaseUnknown::VOKBaseUnknown() {
  ++liveObjects;
  vok_detail::ClaimBlock(this);
}

// A copy is a new object: it claims its own block, whatever the source's.
VOKBaseUnknown::VOKBaseUnknown(const VOKBaseUnknown&) : VOKBaseUnknown() {}

VOKBaseUnknown::~VOKBaseUnknown() { --liveObjects; }

const char* VOKBaseUnknown::IsA() const { return "VOKBaseUnknown"; }

VOKMetaClass* VOKBaseUnknown::MetaObject() {
  static VOKMetaClass* meta = fct_RetrieveMetaObject("VOKBaseUnknown", 1, nullptr, "VOKNull",
                                                     "VOKBaseRuntime", sizeof(VOKBaseUnknown));
  return meta;
}

VOKMetaClass* VOKBaseUnknown::GetMetaObject() const { return MetaObject(); }

int VOKBaseUnknown::IsAKindOf(const char* name) const {
  if (name == nullptr) return 0;
  if (std::strcmp(name, IsA()) == 0) return 1;
  const VOKMetaClass* meta = GetMetaObject();
  return meta != nullptr && meta->IsAKindOf(name);
}

void* VOKBaseUnknown::Allocate(std::size_t size, const char* className) noexcept {
  if (vok_detail::AllocationMustFail(className)) return nullptr;
  void* block = ::operator new(size, std::nothrow);
  if (block != nullptr) vok_detail::NoteUnclaimedBlock(block, size);
  return block;
}

void VOKBaseUnknown::Release(void* object) noexcept {
  if (object == nullptr) return;
  vok_detail::ForgetUnclaimedBlock(object);
  ::operator delete(object);
}

long VOKBaseUnknown::LiveObjects() { return liveObjects; }
