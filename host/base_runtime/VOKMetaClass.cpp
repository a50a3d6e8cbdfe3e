// File: VOKMetaClass.cpp
// Run-time class descriptors and their registry, keyed by class name.
#include "base_runtime/VOKMetaClass.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

// Copies text into a fixed buffer, cut to fit and always terminated.
template <std::size_t N>
void copyCut(char (&buffer)[N], const char* text) {
  const char* source = text != nullptr ? text : "";
  const std::size_t length = std::min(std::strlen(source), N - 1);
  std::memcpy(buffer, source, length);
  buffer[length] = '\0';
}

// 64-bit FNV-1a over the name, from a given starting value.
std::uint64_t fnv1a(const char* text, std::uint64_t hash) {
  for (const char* c = text; *c != '\0'; ++c) {
    hash ^= static_cast<unsigned char>(*c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

_GUID classIdOf(const char* name) {
  const std::uint64_t high = fnv1a(name, 0xcbf29ce484222325ULL);
  const std::uint64_t low = fnv1a(name, high ^ 0x9e3779b97f4a7c15ULL);
  _GUID id{};
  id.Data1 = static_cast<std::uint32_t>(high >> 32);
  id.Data2 = static_cast<std::uint16_t>(high >> 16);
  id.Data3 = static_cast<std::uint16_t>(high);
  for (int i = 0; i < 8; ++i) id.Data4[i] = static_cast<std::uint8_t>(low >> (8 * i));
  return id;
}

struct Registry {
  std::map<std::string, std::unique_ptr<VOKMetaClass>, std::less<>> classes;
  std::map<std::string, int, std::less<>> retrievals;
};

// Never destroyed: descriptors are handed out for the whole process.
Registry& registry() {
  static auto* instance = new Registry;
  return *instance;
}

}  // namespace

bool operator==(const _GUID& a, const _GUID& b) {
  return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
         std::memcmp(a.Data4, b.Data4, sizeof a.Data4) == 0;
}

VOKMetaClass::VOKMetaClass(const char* className, int kind, VOKMetaClass* base, const char* name,
                           const char* component, std::size_t size)
    : _kind(kind), _base(base), _size(size), _id(classIdOf(className != nullptr ? className : "")) {
  copyCut(_className, className);
  copyCut(_name, name);
  copyCut(_component, component);
}

const char* VOKMetaClass::GetClassName() const { return _className; }

const char* VOKMetaClass::GetComponentName() const { return _component; }

int VOKMetaClass::IsAKindOf(const char* name) const {
  if (name == nullptr) return 0;
  for (const VOKMetaClass* meta = this; meta != nullptr; meta = meta->_base) {
    if (std::strcmp(meta->_className, name) == 0) return 1;
  }
  return 0;
}

VOKMetaClass* fct_RetrieveMetaObject(const char* className, int kind, VOKMetaClass* base,
                                     const char* name, const char* component, std::size_t size) {
  if (className == nullptr) return nullptr;
  Registry& reg = registry();
  ++reg.retrievals[className];
  auto found = reg.classes.find(className);
  if (found == reg.classes.end()) {
    auto meta = std::make_unique<VOKMetaClass>(className, kind, base, name, component, size);
    found = reg.classes.emplace(className, std::move(meta)).first;
  }
  return found->second.get();
}

int VOKMetaClassRetrievals(const char* className) {
  if (className == nullptr) return 0;
  const Registry& reg = registry();
  const auto found = reg.retrievals.find(className);
  return found == reg.retrievals.end() ? 0 : found->second;
}
