// File: CurrentDateLayout.cpp
#include "services/CurrentDateLayout.h"

#include <cstdint>
#include <map>
#include <optional>
#include <tuple>

#include "base_runtime/CatalogStore.h"
#include "base_runtime/EnvironmentReadings.h"
#include "base_runtime/HostSettingsText.h"
#include "base_runtime/VOKHostSettings.h"
#include "services/DateText.h"
#include "services/DateTextReader.h"
#include "services/IcuDateLayout.h"

namespace vok::services {
namespace {

using LayoutKey = std::tuple<std::string, std::u32string, std::u32string, std::u32string>;

// Asking ICU is slow next to everything else a date check does, and the
// answer depends only on the locale and the placeholders.
std::u32string DerivedLayout(const std::string& localeName, const DatePlaceholders& placeholders) {
  static std::map<LayoutKey, std::u32string> cache;
  const LayoutKey key{localeName, placeholders.day, placeholders.month, placeholders.year};
  auto found = cache.find(key);
  if (found == cache.end()) {
    found = cache.emplace(key, LayoutFromPattern(ShortDatePattern(localeName), placeholders)).first;
  }
  return found->second;
}

// As the host gives it, decoration included; "" when unknown.
std::u32string CurrentDateLayout(const DatePlaceholders& placeholders) {
  if (const std::optional<std::string> layout = VOKHostSettings::GetDateLayoutOverride()) {
    return ToCodePoints(*layout);
  }
  return DerivedLayout(VOKHostSettings::GetLocaleName(), placeholders);
}

// What the current layout is derived from: the settings (which also
// decide the catalogs' language) and the catalogs, each known by a number
// that changes with it.
struct LayoutSources {
  std::uint64_t overrides = 0;
  std::uint64_t environment = 0;
  std::uint64_t catalogs = 0;

  static LayoutSources Now() {
    return {vok::SettingsOverridesGeneration(), vok::SettingsEnvironmentGeneration(),
            vok::CatalogStore::Instance().Generation()};
  }
  friend bool operator==(const LayoutSources&, const LayoutSources&) = default;
};

}  // namespace

const CurrentLayout& CurrentDateLayoutNow() {
  static std::optional<LayoutSources> sources;
  static CurrentLayout current;
  if (sources && *sources == LayoutSources::Now()) return current;
  // Read first: reading the catalogs may load them, which does not change
  // what they give.
  current.placeholders = ReadDatePlaceholders();
  current.layout = CurrentDateLayout(current.placeholders);
  current.layoutUtf8 = ToUtf8(current.layout);
  current.bare = StripDecoration(current.layout);
  current.shape = SplitLayout(current.bare, current.placeholders);
  current.fullWidth = FullWidthPattern(current.shape);
  sources = LayoutSources::Now();
  return current;
}

}  // namespace vok::services
