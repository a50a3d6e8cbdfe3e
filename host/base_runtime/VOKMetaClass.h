// File: VOKMetaClass.h
// Run-time class descriptors: a class name, a kind, the base descriptor and
// a class identifier. fct_RetrieveMetaObject registers a class on first
// request and hands out the same descriptor afterwards.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base_runtime/HostExport.h"

/// A class identifier in the host's 16-byte form.
struct _GUID {
  /// First 4 bytes.
  std::uint32_t Data1;
  /// Next 2 bytes.
  std::uint16_t Data2;
  /// Next 2 bytes.
  std::uint16_t Data3;
  /// Last 8 bytes.
  std::uint8_t Data4[8];
};

/// Same 16 bytes.
VOK_HOST_API bool operator==(const _GUID& a, const _GUID& b);

/// The run-time descriptor of a host class: its name, kind, base, component and
/// size. Made once per class by fct_RetrieveMetaObject and kept for the
/// process.
class VOK_HOST_API VOKMetaClass {
 public:
  /// A descriptor; names longer than 63 bytes are cut.
  VOKMetaClass(const char* className, int kind, VOKMetaClass* base, const char* name,
               const char* component, std::size_t size);
  VOKMetaClass(const VOKMetaClass&) = delete;
  VOKMetaClass& operator=(const VOKMetaClass&) = delete;

  /// The class name.
  const char* GetClassName() const;
  /// The kind given at registration.
  int GetKind() const { return _kind; }
  /// The base class's descriptor, or null.
  VOKMetaClass* GetBase() const { return _base; }
  /// The component that registered the class.
  const char* GetComponentName() const;
  /// The size of an object of the class.
  std::size_t GetSize() const { return _size; }
  /// An identifier derived from the class name: equal names, equal ids.
  const _GUID& GetClassId() const { return _id; }
  /// Nonzero when name is this class's name or one of its bases' names.
  int IsAKindOf(const char* name) const;

 private:
  char _className[64];
  char _name[64];
  char _component[64];
  int _kind;
  VOKMetaClass* _base;
  std::size_t _size;
  _GUID _id;
};

/// The descriptor of className, created on the first call for that name.
VOK_HOST_API VOKMetaClass* fct_RetrieveMetaObject(const char* className, int kind,
                                                  VOKMetaClass* base, const char* name,
                                                  const char* component, std::size_t size);

/// Test hook: how many times fct_RetrieveMetaObject was called for a name.
VOK_HOST_API int VOKMetaClassRetrievals(const char* className);
