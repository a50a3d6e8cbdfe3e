// File: VOKHostSettings.h
// The host's language and calendar settings, held as one HostLocale value
// made from the environment when first asked for, and made again only when
// the host is told to (Reload, the Set operations, Remake). Whatever asks
// in between gets the same value, so a dialog sees one locale from one
// question to the next however the environment changes meanwhile.
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
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base_runtime/HostExport.h"

namespace vok {
struct HostLocale;  ///< base_runtime/HostLocale.h, for the host's own libraries
}  // namespace vok

/// The host's language and calendar settings (see the notes above): read once
/// from the environment, again at Reload; the Set operations are for tests.
class VOK_HOST_API VOKHostSettings {
 public:
  /// The current locale snapshot's value; the reference is valid until the
  /// next Reload, Set or Remake. Code that keeps the locale across calls
  /// keeps Snapshot() instead.
  static const vok::HostLocale& Current();
  /// The current locale as a shared snapshot that never changes: it stays
  /// valid, with the settings it was made from, after any later Reload,
  /// Set or Remake (which make a new snapshot).
  static std::shared_ptr<const vok::HostLocale> Snapshot();

  static std::string GetLanguage();    ///< "en", "de", "fr", "th", ...
  static std::string GetLocaleName();  ///< ICU locale id, e.g. "de_DE"
  /// True in a Thai setting: language "th" or VOK_THAI=1.
  static bool IsThai();
  static bool ShowsBuddhistEra();  ///< meaningful in a Thai setting only
  /// The layout with placeholders as the host gives it; nullopt: derive.
  static std::optional<std::string> GetDateLayoutOverride();

  /// A new locale from the environment as it is now; settings made with the
  /// Set operations are dropped.
  static void Reload();
  /// A new locale with one setting changed, the others kept.
  static void SetLocale(const std::string& localeName);  ///< e.g. "de_DE"
  /// A Thai setting on or off; buddhistEra: years shown in the Buddhist era.
  static void SetThai(bool thai, bool buddhistEra);
  /// The date layout with placeholders, as VOK_DATE_LAYOUT gives it.
  static void SetDateLayout(const std::string& layout);
  /// A new locale from the same settings, after the catalogs it reads its
  /// date placeholders from have changed.
  static void Remake();
};
