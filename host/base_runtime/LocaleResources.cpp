// File: LocaleResources.cpp
#include "base_runtime/LocaleResources.h"

#include <unicode/uloc.h>
#include <unicode/ures.h>
#include <unicode/ustring.h>

#include <memory>

namespace vok {
namespace {

struct BundleCloser {
  void operator()(UResourceBundle* bundle) const { ures_close(bundle); }
};
using Bundle = std::unique_ptr<UResourceBundle, BundleCloser>;

std::string Utf8(const UChar* text, int32_t length) {
  std::string out(static_cast<std::size_t>(length) * 3, '\0');
  UErrorCode status = U_ZERO_ERROR;
  int32_t written = 0;
  u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &written, text, length, &status);
  out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(written) : 0);
  return out;
}

// A string resource, or the first string of an array resource.
std::string FirstString(UResourceBundle* resource) {
  UErrorCode status = U_ZERO_ERROR;
  Bundle first;
  if (ures_getType(resource) == URES_ARRAY) {
    first.reset(ures_getByIndex(resource, 0, nullptr, &status));
    resource = first.get();
  }
  int32_t length = 0;
  const UChar* text = U_SUCCESS(status) ? ures_getString(resource, &length, &status) : nullptr;
  return U_SUCCESS(status) ? Utf8(text, length) : std::string();
}

std::vector<std::string> StringsOf(UResourceBundle* resource) {
  if (ures_getType(resource) != URES_ARRAY) return {FirstString(resource)};
  std::vector<std::string> strings;
  const int32_t size = ures_getSize(resource);
  for (int32_t i = 0; i < size; ++i) {
    UErrorCode status = U_ZERO_ERROR;
    const Bundle entry(ures_getByIndex(resource, i, nullptr, &status));
    if (U_FAILURE(status)) return {};
    strings.push_back(FirstString(entry.get()));
  }
  return strings;
}

// The resource at path inside one bundle, with no fallback to its parents.
Bundle Find(UResourceBundle* bundle, std::string_view path) {
  Bundle found;
  UResourceBundle* at = bundle;
  while (!path.empty()) {
    const std::size_t slash = path.find('/');
    const std::string key(path.substr(0, slash));
    path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    UErrorCode status = U_ZERO_ERROR;
    found.reset(ures_getByKey(at, key.c_str(), nullptr, &status));
    if (U_FAILURE(status)) return nullptr;
    at = found.get();
  }
  return found;
}

// The bundle of exactly this locale, without ICU's own fallback: the walk
// up the chain is done here, key path by key path.
Bundle OpenExactly(const std::string& name) {
  UErrorCode status = U_ZERO_ERROR;
  Bundle bundle(ures_openDirect(nullptr, name.c_str(), &status));
  return U_SUCCESS(status) ? std::move(bundle) : nullptr;
}

std::string ParentOf(UResourceBundle* bundle, const std::string& name) {
  if (bundle != nullptr) {
    UErrorCode status = U_ZERO_ERROR;
    int32_t length = 0;
    const UChar* parent = ures_getStringByKey(bundle, "%%Parent", &length, &status);
    if (U_SUCCESS(status)) return Utf8(parent, length);
  }
  const std::size_t cut = name.rfind('_');
  return cut == std::string::npos ? "root" : name.substr(0, cut);
}

}  // namespace

std::vector<std::string> LocaleStrings(const std::string& localeName, std::string_view path) {
  std::string name = localeName.empty() ? "root" : localeName;
  // A parent chain is a handful of bundles; the bound keeps a cycle in
  // damaged data from looping.
  for (int step = 0; step < 16; ++step) {
    const Bundle bundle = OpenExactly(name);
    if (bundle)
      if (const Bundle found = Find(bundle.get(), path)) return StringsOf(found.get());
    if (name == "root") break;
    name = ParentOf(bundle.get(), name);
  }
  return {};
}

std::string PreferredCalendar(const std::string& localeName) {
  char region[ULOC_COUNTRY_CAPACITY] = {};
  UErrorCode status = U_ZERO_ERROR;
  uloc_getCountry(localeName.c_str(), region, sizeof region, &status);
  const Bundle supplemental = OpenExactly("supplementalData");
  const Bundle preferences =
      supplemental ? Find(supplemental.get(), "calendarPreferenceData") : nullptr;
  if (!preferences) return "gregorian";
  Bundle ofRegion =
      U_SUCCESS(status) && region[0] != '\0' ? Find(preferences.get(), region) : nullptr;
  if (!ofRegion) ofRegion = Find(preferences.get(), "001");
  const std::string calendar = ofRegion ? FirstString(ofRegion.get()) : std::string();
  return calendar.empty() ? "gregorian" : calendar;
}

}  // namespace vok
