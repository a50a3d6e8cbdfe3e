// File: VOKHostClock.cpp
// The host clock: a fixed time when a test or VOK_TODAY gave one, else the
// system's local wall time read as if it were UTC (time values carry no zone).
// Each host context has its own setting.
#include <ctime>
#include <iostream>
#include <optional>
#include <string_view>

#include "base_runtime/CivilTime.h"
#include "base_runtime/HostContext.h"
#include "base_runtime/VOKEnvironment.h"
#include "base_runtime/VOKTime.h"

namespace {

using vok::HostClockState;

HostClockState& State() { return vok::HostContext::Current().Clock(); }

// The number written in text[from, from + count), which must be all digits.
std::optional<int> ReadDigits(std::string_view text, std::size_t from, std::size_t count) {
  int value = 0;
  for (std::size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// Midnight of a "YYYY-MM-DD" text naming a real day.
std::optional<std::int64_t> ParseDay(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = ReadDigits(text, 0, 4);
  const auto month = ReadDigits(text, 5, 2);
  const auto day = ReadDigits(text, 8, 2);
  if (!year || !month || !day) return std::nullopt;
  std::int64_t midnight = 0;
  if (!vok::MidnightOf(*year, *month, *day, midnight)) return std::nullopt;
  return midnight;
}

void ReadEnvironmentOnce(HostClockState& state) {
  if (state.environmentRead) return;
  state.environmentRead = true;
  const char* today = VOKGetEnv("VOK_TODAY");
  if (!today) return;
  state.fixed = ParseDay(today);
  if (!state.fixed) {
    std::cerr << "host clock: VOK_TODAY=\"" << today << "\" is not a date of the form YYYY-MM-DD; "
              << "using the system clock\n";
  }
}

VOKTime SystemLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (!localtime_r(&now, &local)) return VOKTime(static_cast<std::int64_t>(now));
  // A leap second (tm_sec 60) is read as the last second of the minute.
  const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
  return VOKTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                 second, 0);
}

}  // namespace

VOKTime VOKTime::GetCurrentLocalTime() {
  HostClockState& state = State();
  ReadEnvironmentOnce(state);
  return state.fixed ? VOKTime(*state.fixed) : SystemLocalTime();
}

void VOKHostClock::FixToday(int year, int month, int day) {
  FixNow(VOKTime(year, month, day, 0, 0, 0, 0));
}

void VOKHostClock::FixNow(const VOKTime& now) {
  HostClockState& state = State();
  state.environmentRead = true;
  state.fixed = now.Gettime_t();
}

void VOKHostClock::UseSystemClock() {
  HostClockState& state = State();
  state.environmentRead = true;
  state.fixed.reset();
}
