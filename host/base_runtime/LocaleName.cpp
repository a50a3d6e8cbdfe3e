// File: LocaleName.cpp
#include "base_runtime/LocaleName.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vok {
namespace {

// Supported languages and the territory used when the value names none.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kLanguages{
    {{"en", "US"}, {"de", "DE"}, {"fr", "FR"}, {"th", "TH"}}};

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllOf(std::string_view text, bool (*test)(char)) {
  return std::all_of(text.begin(), text.end(), test);
}

LocaleValue English(bool unsupported) { return LocaleValue{"en", "en_US", unsupported}; }

// A territory is two letters (AT) or three digits (419).
bool IsTerritory(std::string_view text) {
  return (text.size() == 2 && AllOf(text, IsUpper)) || (text.size() == 3 && AllOf(text, IsDigit));
}

}  // namespace

LocaleValue ParseLocaleValue(std::string_view value) {
  const std::string_view name = value.substr(0, value.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return English(false);
  const std::size_t underscore = name.find('_');
  const std::string_view language = name.substr(0, underscore);
  const std::string_view territory =
      underscore == std::string_view::npos ? "" : name.substr(underscore + 1);
  if (underscore != std::string_view::npos && !IsTerritory(territory)) return English(true);
  for (const auto& [code, usualTerritory] : kLanguages) {
    if (language != code) continue;
    const std::string_view chosen = territory.empty() ? usualTerritory : territory;
    return LocaleValue{std::string(code), std::string(code) + "_" + std::string(chosen), false};
  }
  return English(true);
}

}  // namespace vok
