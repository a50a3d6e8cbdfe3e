// File: EnvironmentReadings.cpp
#include "base_runtime/EnvironmentReadings.h"

#include <unistd.h>

#include <array>
#include <cstddef>
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
  std::vector<const char*> entries;       // its entries then
  std::array<const char*, kVariables> values{};
  std::array<std::string, kVariables> texts;  // copies of the values
};

Readings& Current() {
  static auto* readings = new Readings;  // never destroyed: asked until exit
  return *readings;
}

bool SameEntries(const Readings& readings) {
  if (environ != readings.environment) return false;
  if (environ == nullptr) return true;
  std::size_t at = 0;
  for (; at < readings.entries.size(); ++at) {
    if (environ[at] != readings.entries[at]) return false;
  }
  return environ[at] == nullptr;
}

bool SameTexts(const Readings& readings) {
  for (std::size_t i = 0; i < kVariables; ++i) {
    if (readings.values[i] != nullptr && readings.texts[i] != readings.values[i]) return false;
  }
  return true;
}

void Take(Readings& readings) {
  readings.taken = true;
  readings.environment = environ;
  readings.entries.clear();
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
    readings.entries.push_back(*entry);
  }
  for (std::size_t i = 0; i < kVariables; ++i) {
    readings.values[i] = VOKGetEnv(kNames[i]);
    readings.texts[i] = readings.values[i] != nullptr ? readings.values[i] : "";
  }
}

}  // namespace

const char* SettingsVariableValue(SettingsVariable variable) {
  Readings& readings = Current();
  if (!readings.taken || !SameEntries(readings) || !SameTexts(readings)) Take(readings);
  return readings.values[static_cast<std::size_t>(variable)];
}

}  // namespace vok
