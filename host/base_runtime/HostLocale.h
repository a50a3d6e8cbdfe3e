// File: HostLocale.h
// The host's locale as one value: the settings it was made from and
// everything derived from them (language, Thai setting, month and weekday
// names, calendar, date layout). A HostLocale never changes; the host replaces its
// current one (VOKHostSettings), and whoever holds a snapshot of the old one
// keeps it.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base_runtime/CalendarNames.h"
#include "base_runtime/CalendarSystem.h"
#include "base_runtime/DateLayout.h"

namespace vok {

struct LocaleSettings {
  // A POSIX locale value such as "de_AT.UTF-8"; "" for none.
  std::string localeValue;
  // VOK_THAI=1: a Thai setting whatever the language.
  bool thaiRequested = false;
  // Given by a test: the Thai setting on or off whatever the language.
  std::optional<bool> thai;
  // Cleared by VOK_THAI_GREGORIAN=1.
  bool buddhistEra = true;
  // VOK_DATE_LAYOUT or a test's layout; nullopt: derived from the locale.
  std::optional<std::string> dateLayout;
};

// LC_ALL, then LC_TIME, then LANG (the first that is set and non-empty),
// VOK_THAI, VOK_THAI_GREGORIAN and VOK_DATE_LAYOUT as the environment
// holds them now.
LocaleSettings SettingsFromEnvironment();

struct HostLocale {
  LocaleSettings settings;
  std::string language;    // "en", "de", "fr" or "th"
  std::string localeName;  // ICU id, e.g. "de_AT"
  bool thai = false;
  CalendarSystem calendar;  // the Thai setting's when thai is set
  CalendarNames names;
  DateLayout dateLayout;
};

// Reads ICU's locale data and the catalogs of the language. A locale value
// of another language, or of no locale shape, gives English with one note
// on stderr per process.
HostLocale MakeHostLocale(LocaleSettings settings);

// VOKHostSettings::Current for the host library's own code: the current
// locale, valid until the next change of it.
const HostLocale& CurrentLocale();
// VOKHostSettings::Snapshot for the host library's own code: the current
// locale, kept alive as long as the caller holds it.
std::shared_ptr<const HostLocale> LocaleSnapshot();

}  // namespace vok
