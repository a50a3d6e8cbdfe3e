// File: EnvironmentReadings.cpp
#include "base_runtime/EnvironmentReadings.h"

#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "base_runtime/VOKEnvironment.h"

namespace vok {
namespace {

constexpr std::size_t kVariables = 6;
constexpr std::array<const char*, kVariables> kNames = {
    "LC_ALL", "LC_TIME", "LANG", "VOK_THAI", "VOK_THAI_GREGORIAN", "VOK_DATE_LAYOUT"};

// The variables as last read, with the environment they were read from.
struct Readings {
  bool taken = false;
  char** environment = nullptr;           // the entry array
  std::vector<char*> entries;             // its entries then
  std::array<const char*, kVariables> values{};
  std::array<std::string, kVariables> texts;  // copies of the values
  std::uint64_t generation = 0;
};

Readings& Current() {
  static auto* readings = new Readings;  // never destroyed: asked until exit
  return *readings;
}

// setenv, unsetenv and putenv never shrink the entry array in place: while
// its address is the one read, the slots of the entries read (and their
// terminator) still exist, so they can be compared as a block.
bool SameEntries(const Readings& readings) {
  char** const entries = environ;
  if (entries != readings.environment) return false;
  if (entries == nullptr) return true;
  const std::size_t count = readings.entries.size();
  return std::memcmp(entries, readings.entries.data(), count * sizeof(char*)) == 0 &&
         entries[count] == nullptr;
}

bool SameTexts(const Readings& readings) {
  for (std::size_t i = 0; i < kVariables; ++i) {
    const char* value = readings.values[i];
    if (value == nullptr) continue;
    const std::string& text = readings.texts[i];
    if (std::strcmp(value, text.c_str()) != 0) return false;
  }
  return true;
}

void Take(Readings& readings) {
  const bool first = !readings.taken;
  readings.taken = true;
  readings.environment = environ;
  readings.entries.clear();
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    readings.entries.push_back(*entry);
  }
  bool changed = false;
  for (std::size_t i = 0; i < kVariables; ++i) {
    const bool wasSet = readings.values[i] != nullptr;
    readings.values[i] = VOKGetEnv(kNames[i]);
    const bool isSet = readings.values[i] != nullptr;
    const char* text = isSet ? readings.values[i] : "";
    changed = changed || wasSet != isSet || readings.texts[i] != text;
    readings.texts[i] = text;
  }
  if (changed || first) ++readings.generation;
}

Readings& UpToDate() {
  Readings& readings = Current();
  if (!readings.taken || !SameEntries(readings) || !SameTexts(readings)) Take(readings);
  return readings;
}

}  // namespace

const char* SettingsVariableValue(SettingsVariable variable) {
  return UpToDate().values[static_cast<std::size_t>(variable)];
}

std::uint64_t SettingsEnvironmentGeneration() { return UpToDate().generation; }

}  // namespace vok
