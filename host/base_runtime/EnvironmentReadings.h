// File: EnvironmentReadings.h
// Internal to the host library. The environment variables behind the host
// settings, read again only when the environment has changed since they
// were last read: an entry added, removed or replaced (setenv, unsetenv,
// putenv, clearenv), or the text of one of these variables changed in
// place. Checking that costs one pass over the environment's entry
// pointers, where reading the variables afresh costs a search through the
// whole environment per variable; the settings are asked on every date
// check and every grid refresh.
#pragma once

#include <cstdint>

namespace vok {

enum class SettingsVariable { LcAll, LcTime, Lang, Thai, ThaiGregorian, DateLayout };

// The variable's value as the environment holds it now, null when unset.
// Valid until the environment changes.
const char* SettingsVariableValue(SettingsVariable variable);

// Changes whenever one of the variables has changed (set, unset or given
// another value); what was derived from them may be kept while it stays.
std::uint64_t SettingsEnvironmentGeneration();

}  // namespace vok
