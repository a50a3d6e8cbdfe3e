// File: VOKHostSettings.h
// The host's language and calendar settings.
//
// Language: taken from LC_ALL, then LC_TIME, then LANG (the first that is
// set and non-empty; "C" and "POSIX" mean English), as the two-letter code
// before "_" or ".", e.g. "de" from de_DE.UTF-8. A language without catalogs
// falls back to English with one note on stderr.
// Thai setting: on when the language is "th" or VOK_THAI=1; years are shown
// in the Buddhist era unless VOK_THAI_GREGORIAN=1.
// Date layout: derived from ICU's short date pattern of the locale, written
// with the catalog placeholders (Day.Title, Month.Title, Year.Title);
// VOK_DATE_LAYOUT replaces it with any text.
// Tests override any of these; Reset returns to the environment's values.
#pragma once

#include <optional>
#include <string>

#include "base_runtime/HostExport.h"

class VOK_HOST_API VOKHostSettings {
 public:
  static std::string GetLanguage();   // "en", "de", "fr", "th", ...
  static std::string GetLocaleName(); // ICU locale id, e.g. "de_DE"
  static bool IsThai();
  static bool ShowsBuddhistEra();     // meaningful in a Thai setting only
  // The layout with placeholders as the host gives it; nullopt: derive.
  static std::optional<std::string> GetDateLayoutOverride();

  static void SetLocale(const std::string& localeName);  // e.g. "de_DE"
  static void SetThai(bool thai, bool buddhistEra);
  static void SetDateLayout(const std::string& layout);
  static void Reset();
};
