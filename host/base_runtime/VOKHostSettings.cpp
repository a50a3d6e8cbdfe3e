// File: VOKHostSettings.cpp
#include "base_runtime/VOKHostSettings.h"

#include <memory>

namespace {

using vok::HostLocale;
using vok::LocaleSettings;

std::unique_ptr<const HostLocale>& CurrentSlot() {
  static std::unique_ptr<const HostLocale> current =
      std::make_unique<const HostLocale>(vok::MakeHostLocale(vok::SettingsFromEnvironment()));
  return current;
}

void Replace(LocaleSettings settings) {
  CurrentSlot() = std::make_unique<const HostLocale>(vok::MakeHostLocale(std::move(settings)));
}

LocaleSettings CurrentSettings() { return VOKHostSettings::Current().settings; }

}  // namespace

const HostLocale& VOKHostSettings::Current() { return *CurrentSlot(); }

std::string VOKHostSettings::GetLanguage() { return Current().language; }

std::string VOKHostSettings::GetLocaleName() { return Current().localeName; }

bool VOKHostSettings::IsThai() { return Current().thai; }

bool VOKHostSettings::ShowsBuddhistEra() { return Current().buddhistEra; }

std::optional<std::string> VOKHostSettings::GetDateLayoutOverride() { return Current().settings.dateLayout; }

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
