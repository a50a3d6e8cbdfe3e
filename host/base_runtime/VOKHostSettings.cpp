// File: VOKHostSettings.cpp
#include "base_runtime/VOKHostSettings.h"

#include <memory>

#include "base_runtime/HostLocale.h"

namespace {

using vok::HostLocale;
using vok::LocaleSettings;

// Made at the first question; read on every date check, so a plain
// pointer is all a question costs.
std::unique_ptr<const HostLocale> current;

void Replace(LocaleSettings settings) {
  current = std::make_unique<const HostLocale>(vok::MakeHostLocale(std::move(settings)));
}

LocaleSettings CurrentSettings() { return vok::CurrentLocale().settings; }

}  // namespace

namespace vok {

const HostLocale& CurrentLocale() {
  if (!current) Replace(SettingsFromEnvironment());
  return *current;
}

}  // namespace vok

const HostLocale& VOKHostSettings::Current() { return vok::CurrentLocale(); }

std::string VOKHostSettings::GetLanguage() { return vok::CurrentLocale().language; }

std::string VOKHostSettings::GetLocaleName() { return vok::CurrentLocale().localeName; }

bool VOKHostSettings::IsThai() { return vok::CurrentLocale().thai; }

bool VOKHostSettings::ShowsBuddhistEra() { return vok::CurrentLocale().settings.buddhistEra; }

std::optional<std::string> VOKHostSettings::GetDateLayoutOverride() {
  return vok::CurrentLocale().settings.dateLayout;
}

void VOKHostSettings::Reload() { Replace(vok::SettingsFromEnvironment()); }

void VOKHostSettings::SetLocale(const std::string& localeName) {
  LocaleSettings settings = CurrentSettings();
  settings.localeValue = localeName;
  Replace(std::move(settings));
}

void VOKHostSettings::SetThai(bool thai, bool buddhistEra) {
  LocaleSettings settings = CurrentSettings();
  settings.thai = thai;
  settings.buddhistEra = buddhistEra;
  Replace(std::move(settings));
}

void VOKHostSettings::SetDateLayout(const std::string& layout) {
  LocaleSettings settings = CurrentSettings();
  settings.dateLayout = layout;
  Replace(std::move(settings));
}

void VOKHostSettings::Remake() { Replace(CurrentSettings()); }
