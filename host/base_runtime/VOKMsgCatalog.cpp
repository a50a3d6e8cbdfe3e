// File: VOKMsgCatalog.cpp
#include "base_runtime/VOKMsgCatalog.h"

#include <algorithm>

#include "base_runtime/CatalogMessage.h"
#include "base_runtime/CatalogStore.h"
#include "base_runtime/HostLocale.h"
#include "base_runtime/VOKHostSettings.h"

namespace {

// Replaces "%1" to "%9" by the parameters and "%%" by "%". A parameter
// number beyond count, and any other "%", stay as written.
std::string Substitute(std::string_view text, const VOKUnicodeString* params, int count) {
  std::string out;
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    const char next = pos + 1 < text.size() ? text[pos + 1] : '\0';
    if (text[pos] == '%' && next == '%') {
      out += '%';
      ++pos;
    } else if (text[pos] == '%' && next >= '1' && next <= '0' + count) {
      out += params[next - '1'].ToUtf8();
      ++pos;
    } else {
      out += text[pos];
    }
  }
  return out;
}

}  // namespace

namespace vok {

VOKUnicodeString CatalogMessage(const std::string& catalog, const std::string& key,
                                const std::string& language, const VOKUnicodeString* params,
                                int nParams, const VOKUnicodeString& defaultText) {
  const CatalogEntries* entries = CatalogStore::Instance().Find(catalog, language);
  if (!entries) return defaultText;
  const auto entry = entries->find(key);
  if (entry == entries->end()) return defaultText;
  // Without a "%" there is nothing to substitute.
  if (entry->second.find('%') == std::string::npos)
    return VOKUnicodeString(std::string_view(entry->second));
  const int count = params ? std::clamp(nParams, 0, 9) : 0;
  return VOKUnicodeString(std::string_view(Substitute(entry->second, params, count)));
}

}  // namespace vok

VOKUnicodeString VOKMsgCatalog::BuildMessage(const VOKString& catalog, const VOKString& key,
                                             const VOKUnicodeString* params, int nParams,
                                             const VOKUnicodeString& defaultText) {
  return vok::CatalogMessage(catalog.str(), key.str(), vok::CurrentLocale().language, params,
                             nParams, defaultText);
}

// The host's locale holds texts of the catalogs (its date layout's
// placeholders): each change of them makes it again.
void VOKMsgCatalog::LoadFromMemory(const VOKString& catalog, std::string_view contents) {
  vok::CatalogStore::Instance().SetMemory(catalog.str(), contents);
  VOKHostSettings::Remake();
}

void VOKMsgCatalog::ClearMemoryCatalogs() {
  vok::CatalogStore::Instance().ClearMemory();
  VOKHostSettings::Remake();
}

void VOKMsgCatalog::ReloadFiles() {
  vok::CatalogStore::Instance().ForgetFiles();
  VOKHostSettings::Remake();
}

int VOKMsgCatalog::MalformedFileMessages() { return vok::CatalogStore::Instance().Messages(); }
