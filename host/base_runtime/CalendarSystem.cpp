// File: CalendarSystem.cpp
#include "base_runtime/CalendarSystem.h"

namespace vok {
namespace {

constexpr int kFirstYear = 1970;
constexpr int kLastYear = 2038;
constexpr int kBuddhistEraOffset = 543;

}  // namespace

CalendarSystem CalendarSystem::Gregorian() { return {}; }

// The Thai setting accepts the Gregorian range moved into the Buddhist era,
// even when it shows Gregorian years.
CalendarSystem CalendarSystem::Thai(bool showsEra) {
  return {kBuddhistEraOffset, showsEra, kFirstYear + kBuddhistEraOffset,
          kLastYear + kBuddhistEraOffset, true};
}

}  // namespace vok
