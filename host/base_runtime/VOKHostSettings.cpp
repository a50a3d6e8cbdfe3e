// File: VOKHostSettings.cpp
// Every question sees the environment as it is, so a changed variable
// takes effect at once (EnvironmentReadings notices the change); test
// overrides take precedence until Reset.
#include "base_runtime/VOKHostSettings.h"

#include <cstdint>
#include <iostream>
#include <string_view>

#include "base_runtime/EnvironmentReadings.h"
#include "base_runtime/HostSettingsText.h"
#include "base_runtime/LocaleName.h"

namespace {

struct ThaiChoice {
  bool thai = false;
  bool buddhistEra = true;
};

struct Overrides {
  std::optional<std::string> locale;
  std::optional<ThaiChoice> thai;
  std::optional<std::string> dateLayout;
};

std::uint64_t overridesGeneration = 0;

Overrides& TestOverrides() {
  static Overrides overrides;
  return overrides;
}

using vok::SettingsVariable;

// The first of LC_ALL, LC_TIME, LANG that is set and non-empty.
std::string_view EnvironmentLocaleValue() {
  for (SettingsVariable variable : {SettingsVariable::LcAll, SettingsVariable::LcTime, SettingsVariable::Lang}) {
    const char* value = vok::SettingsVariableValue(variable);
    if (value && *value) return value;
  }
  return "";
}

void NoteUnsupportedOnce(std::string_view value) {
  static bool noted = false;
  if (noted) return;
  noted = true;
  std::cerr << "host settings: locale \"" << value << "\" is not supported (en, de, fr, th); using English\n";
}

// The test override, else the first of LC_ALL, LC_TIME, LANG that is set
// and non-empty, else "".
std::string_view LocaleValueText() {
  const Overrides& overrides = TestOverrides();
  return overrides.locale ? std::string_view(*overrides.locale) : EnvironmentLocaleValue();
}

std::optional<std::string_view> DateLayoutOverrideText() {
  const Overrides& overrides = TestOverrides();
  if (overrides.dateLayout) return std::string_view(*overrides.dateLayout);
  // Set but empty is a layout too: the host then knows none.
  if (const char* layout = vok::SettingsVariableValue(SettingsVariable::DateLayout)) return std::string_view(layout);
  return std::nullopt;
}

// The value is read at every question; it is parsed again only when it
// differs from the one parsed last.
const vok::HostLocale& CurrentLocale() {
  static std::optional<std::string> parsedValue;
  static vok::HostLocale locale;
  const std::string_view value = LocaleValueText();
  if (parsedValue && *parsedValue == value) return locale;
  locale = vok::ParseLocaleValue(value);
  parsedValue = std::string(value);
  if (locale.unsupported) NoteUnsupportedOnce(value);
  return locale;
}

bool EnvironmentFlag(SettingsVariable variable) {
  const char* value = vok::SettingsVariableValue(variable);
  return value && std::string_view(value) == "1";
}

}  // namespace

namespace vok {

std::uint64_t SettingsOverridesGeneration() { return overridesGeneration; }

const std::string& LanguageNow() { return CurrentLocale().language; }

const std::string& LocaleNameNow() { return CurrentLocale().localeName; }

}  // namespace vok

std::string VOKHostSettings::GetLanguage() { return vok::LanguageNow(); }

std::string VOKHostSettings::GetLocaleName() { return vok::LocaleNameNow(); }

bool VOKHostSettings::IsThai() {
  const Overrides& overrides = TestOverrides();
  if (overrides.thai) return overrides.thai->thai;
  return vok::LanguageNow() == "th" || EnvironmentFlag(SettingsVariable::Thai);
}

bool VOKHostSettings::ShowsBuddhistEra() {
  const Overrides& overrides = TestOverrides();
  if (overrides.thai) return overrides.thai->buddhistEra;
  return !EnvironmentFlag(SettingsVariable::ThaiGregorian);
}

std::optional<std::string> VOKHostSettings::GetDateLayoutOverride() {
  const std::optional<std::string_view> layout = DateLayoutOverrideText();
  if (!layout) return std::nullopt;
  return std::string(*layout);
}

void VOKHostSettings::SetLocale(const std::string& localeName) {
  TestOverrides().locale = localeName;
  ++overridesGeneration;
}

void VOKHostSettings::SetThai(bool thai, bool buddhistEra) {
  TestOverrides().thai = ThaiChoice{thai, buddhistEra};
  ++overridesGeneration;
}

void VOKHostSettings::SetDateLayout(const std::string& layout) {
  TestOverrides().dateLayout = layout;
  ++overridesGeneration;
}

void VOKHostSettings::Reset() {
  TestOverrides() = Overrides();
  ++overridesGeneration;
}
