// File: CalendarSystem.h
// How a locale counts and writes years: its era and whether years are
// shown in it, the years it accepts as shown, and the digits a date may be
// typed with. Part of HostLocale.
#pragma once

#include "base_runtime/HostExport.h"

namespace vok {

/// The calendar of a locale: Gregorian, or the Thai setting's, which
/// accepts Thai digits and may show years in the Buddhist era.
struct VOK_HOST_API CalendarSystem {
  /// A year of the locale's era minus the Gregorian year: 0, or the Buddhist
  /// era's offset in the Thai setting.
  int eraOffset = 0;
  /// Whether years are shown in the era (the Thai setting may show
  /// Gregorian years and still know the era).
  bool showsEra = false;
  /// The lowest year accepted, as shown: 1970, or 2513 in the Thai setting.
  int lowestShownYear = 1970;
  /// The highest year accepted, as shown: 2038, or 2581 in the Thai setting.
  int highestShownYear = 2038;
  /// Whether the Thai digits U+0E50 to U+0E59 count as digits of a date.
  bool thaiDigits = false;

  /// The year shown for a Gregorian year.
  int ShownYear(int gregorianYear) const {
    return showsEra ? gregorianYear + eraOffset : gregorianYear;
  }
  /// The Gregorian year of a shown year.
  int GregorianYear(int shownYear) const { return showsEra ? shownYear - eraOffset : shownYear; }
  /// The Gregorian year of a year typed in either calendar: from 1900 of
  /// the era on a year is taken for an era year, which no Gregorian year of
  /// the accepted range comes near.
  int GregorianOfTypedYear(int year) const {
    return eraOffset != 0 && year >= 1900 + eraOffset ? year - eraOffset : year;
  }
  /// Whether a shown year lies within the accepted years, both ends included.
  bool AcceptsShownYear(int shownYear) const {
    return shownYear >= lowestShownYear && shownYear <= highestShownYear;
  }

  /// The Gregorian calendar: years 1970 to 2038, ASCII digits.
  static CalendarSystem Gregorian();
  /// The Thai setting's calendar: the Buddhist era, shown when showsEra is
  /// set; years 2513 to 2581 accepted as shown whatever is shown; Thai
  /// digits besides ASCII ones.
  static CalendarSystem Thai(bool showsEra);
};

/// The days of a month of a Gregorian year, 28 to 31, by the full leap-year
/// rule; month is 1 to 12.
VOK_HOST_API int DaysInMonth(int gregorianYear, int month);

}  // namespace vok
