// File: VOKHostSettings.cpp
// The settings of the current host context (base_runtime/HostContext.h).
#include "base_runtime/VOKHostSettings.h"

#include "base_runtime/HostContext.h"
#include "base_runtime/HostLocale.h"

namespace {

using vok::HostContext;
using vok::HostLocale;
using vok::LocaleSettings;

void Replace(LocaleSettings settings) { HostContext::Current().ReplaceLocale(std::move(settings)); }

LocaleSettings CurrentSettings() { return vok::CurrentLocale().settings; }

}  // namespace

namespace vok {

const HostLocale& CurrentLocale() { return *HostContext::Current().Locale(); }

std::shared_ptr<const HostLocale> LocaleSnapshot() { return HostContext::Current().Locale(); }

}  // namespace vok

const HostLocale& VOKHostSettings::Current() { return vok::CurrentLocale(); }

std::shared_ptr<const HostLocale> VOKHostSettings::Snapshot() { return vok::LocaleSnapshot(); }

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
