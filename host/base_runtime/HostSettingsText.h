// File: HostSettingsText.h
// Internal to the host library. The host settings as code inside the
// library asks them on every date check and grid refresh: without copies,
// and with a number that tells whether the test overrides have changed.
#pragma once

#include <cstdint>
#include <string>

namespace vok {

// Changes with every SetLocale, SetThai, SetDateLayout and Reset.
std::uint64_t SettingsOverridesGeneration();

// VOKHostSettings::GetLanguage and GetLocaleName without a copy; valid
// until the next question to the settings.
const std::string& LanguageNow();
const std::string& LocaleNameNow();

}  // namespace vok
