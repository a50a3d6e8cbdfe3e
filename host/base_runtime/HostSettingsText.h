// File: HostSettingsText.h
// Internal to the host library. The texts the host settings are read from,
// as they stand at the call and without copies, for code that keeps what it
// derived from them and must notice when they change.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vok {

// The test override, else the first of LC_ALL, LC_TIME, LANG that is set and
// non-empty, else "". Valid until the settings or the environment change.
std::string_view LocaleValueText();

// The test override, else VOK_DATE_LAYOUT when set (even empty); nullopt
// when there is neither. Valid as above.
std::optional<std::string_view> DateLayoutOverrideText();

// VOKHostSettings::GetLanguage and GetLocaleName without a copy; valid
// until the next question to the settings.
const std::string& LanguageNow();
const std::string& LocaleNameNow();

}  // namespace vok
