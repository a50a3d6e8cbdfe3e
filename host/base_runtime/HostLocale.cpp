// File: HostLocale.cpp
#include "base_runtime/HostLocale.h"

#include <iostream>
#include <string_view>

#include "base_runtime/LocaleName.h"
#include "base_runtime/VOKEnvironment.h"

namespace vok {
namespace {

bool FlagSet(const char* name) {
  const char* value = VOKGetEnv(name);
  return value != nullptr && std::string_view(value) == "1";
}

void NoteUnsupportedOnce(std::string_view value) {
  static bool noted = false;
  if (noted) return;
  noted = true;
  std::cerr << "host settings: locale \"" << value
            << "\" is not supported (en, de, fr, th); using English\n";
}

}  // namespace

LocaleSettings SettingsFromEnvironment() {
  LocaleSettings settings;
  for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = VOKGetEnv(name);
    if (value == nullptr || *value == '\0') continue;
    settings.localeValue = value;
    break;
  }
  settings.thaiRequested = FlagSet("VOK_THAI");
  settings.buddhistEra = !FlagSet("VOK_THAI_GREGORIAN");
  // Set but empty is a layout too: the host then knows none.
  if (const char* layout = VOKGetEnv("VOK_DATE_LAYOUT")) settings.dateLayout = layout;
  return settings;
}

HostLocale MakeHostLocale(LocaleSettings settings) {
  const LocaleValue parsed = ParseLocaleValue(settings.localeValue);
  if (parsed.unsupported) NoteUnsupportedOnce(settings.localeValue);
  HostLocale locale;
  locale.language = parsed.language;
  locale.localeName = parsed.localeName;
  locale.thai = settings.thai.value_or(locale.language == "th" || settings.thaiRequested);
  locale.calendar =
      locale.thai ? CalendarSystem::Thai(settings.buddhistEra) : CalendarSystem::Gregorian();
  locale.names = LoadCalendarNames(locale.localeName);
  locale.dateLayout = MakeDateLayout(settings.dateLayout, locale.localeName, locale.language);
  locale.settings = std::move(settings);
  return locale;
}

}  // namespace vok
