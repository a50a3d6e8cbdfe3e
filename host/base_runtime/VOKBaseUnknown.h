// File: VOKBaseUnknown.h
// Root of every host object. Its allocator may yield null: code that creates
// host objects tests the result, and the new-expression skips the
// constructor when the allocator yields null (the allocator is noexcept).
// Tests make allocations fail with VOKAllocationFaults.
#pragma once

#include <cstddef>
#include <string>

#include "base_runtime/HostExport.h"

class VOKMetaClass;

// Gives a host class an allocator that knows the class's name, so that a
// test can make the creation of that class fail.
#define VOK_DECLARE_ALLOCATOR(ClassName)                 \
  static void* operator new(std::size_t size) noexcept { \
    return VOKBaseUnknown::Allocate(size, #ClassName);   \
  }                                                      \
  static void operator delete(void* object) noexcept { VOKBaseUnknown::Release(object); }

/// The root of the host's classes: a run-time class name and descriptor, and
/// the host allocator, which tests can make fail (VOKAllocationFaults).
class VOK_HOST_API VOKBaseUnknown {
 public:
  /// Counts the object as alive.
  VOKBaseUnknown();
  /// Counts the copy as alive.
  VOKBaseUnknown(const VOKBaseUnknown&);
  /// Nothing to copy.
  VOKBaseUnknown& operator=(const VOKBaseUnknown&) = default;
  /// Counts the object as gone.
  virtual ~VOKBaseUnknown();

  VOK_DECLARE_ALLOCATOR(VOKBaseUnknown)

  /// The object's class name.
  virtual const char* IsA() const;
  /// The run-time descriptor of the object's class.
  virtual VOKMetaClass* GetMetaObject() const;
  /// Nonzero when the object's class is name or derives from it.
  virtual int IsAKindOf(const char* name) const;
  /// The descriptor of VOKBaseUnknown.
  static VOKMetaClass* MetaObject();

  /// Null when a fault is armed for this allocation (see VOKAllocationFaults).
  static void* Allocate(std::size_t size, const char* className) noexcept;
  /// Frees memory given by Allocate.
  static void Release(void* object) noexcept;

  /// Host objects alive now (all kinds, stack ones included).
  static long LiveObjects();
};

/// Test hook: arm allocation failures of VOKBaseUnknown::operator new.
class VOK_HOST_API VOKAllocationFaults {
 public:
  /// The nth allocation from now (1 = the next one) yields null.
  static void FailNth(int n);
  /// Every allocation for the named class yields null (exact class name as
  /// given to VOK_DECLARE_ALLOCATOR; classes without their own allocator
  /// use their nearest base's name).
  static void FailClass(const std::string& className);
  /// Disarms every fault and restarts the count.
  static void Clear();
  /// Allocations made through the host allocator since the last Clear.
  static long Allocations();
};
