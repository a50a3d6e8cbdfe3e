// File: DatePlaceholders.h
// The localized texts that stand for day, month and year in the host's date
// layouts: keys "Day.Title", "Month.Title" and "Year.Title" of catalog
// "VOKImmDate", without their decoration.
#pragma once

#include <string>

namespace vok::services {

struct DatePlaceholders {
  std::u32string day;
  std::u32string month;
  std::u32string year;

  bool IsComplete() const { return !day.empty() && !month.empty() && !year.empty(); }
};

// Read afresh at every call, so that a change of language or catalog is
// seen at once.
DatePlaceholders ReadDatePlaceholders();

}  // namespace vok::services
