// A fixture for the date and trace services: English placeholders dd, mm
// and yyyy from memory, outside a Thai setting, today fixed to 4 December
// 2026. Everything is restored afterwards (see BaseRuntimeFixture).
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "host/BaseRuntimeFixture.h"
#include "services/VOKImmDate.h"

// The layout and field orders VOKImmDate::GetLocalDate reports.
struct LocalDate {
  std::string format;
  int dayOrder, monthOrder, yearOrder;
};

class ServicesFixture : public BaseRuntimeFixture {
 protected:
  void SetUp() override {
    SetEnv("VOK_DATE_LAYOUT", nullptr);
    BaseRuntimeFixture::SetUp();
    VOKHostSettings::SetThai(false, false);
    VOKHostClock::FixToday(2026, 12, 4);
    UsePlaceholders("dd", "mm", "yyyy");
  }

  static void UsePlaceholders(const std::string& day, const std::string& month,
                              const std::string& year) {
    VOKMsgCatalog::LoadFromMemory("VOKImmDate", "Day.Title = " + day + "\nMonth.Title = " + month +
                                                    "\nYear.Title = " + year + "\n");
  }

  static LocalDate GetLocalDate() {
    LocalDate result{"(not written)", -1, -1, -1};
    VOKUnicodeString format("(not written)");
    VOKImmDate::GetLocalDate(result.dayOrder, result.monthOrder, result.yearOrder, &format, nullptr,
                             nullptr, nullptr, nullptr, nullptr);
    result.format = format.ToUtf8();
    return result;
  }

  // The time value VOKImmDate gives for text.
  static std::int64_t TimeOf(const std::string& text) {
    return VOKImmDate(VOKUnicodeString(text))._time.Gettime_t();
  }

  // Midnight of a calendar day, computed without the host's time class.
  static std::int64_t Midnight(int year, unsigned month, unsigned day) {
    const std::chrono::sys_days days{std::chrono::year{year} / std::chrono::month{month} /
                                     std::chrono::day{day}};
    return static_cast<std::int64_t>(days.time_since_epoch().count()) * 86400;
  }
};
