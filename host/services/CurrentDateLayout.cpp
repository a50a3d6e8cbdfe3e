// File: CurrentDateLayout.cpp
#include "services/CurrentDateLayout.h"

#include <map>
#include <optional>
#include <tuple>

#include "base_runtime/VOKHostSettings.h"
#include "services/DateText.h"
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

}  // namespace

std::u32string CurrentDateLayout(const DatePlaceholders& placeholders) {
  if (const std::optional<std::string> layout = VOKHostSettings::GetDateLayoutOverride()) {
    return ToCodePoints(*layout);
  }
  return DerivedLayout(VOKHostSettings::GetLocaleName(), placeholders);
}

DateLayoutShape CurrentDateLayoutShape(const DatePlaceholders& placeholders) {
  return SplitLayout(StripDecoration(CurrentDateLayout(placeholders)), placeholders);
}

}  // namespace vok::services
