// File: VOKMsgCatalog.cpp
#include "base_runtime/VOKMsgCatalog.h"

#include <algorithm>

#include "base_runtime/CatalogStore.h"
#include "base_runtime/HostSettingsText.h"

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

VOKUnicodeString VOKMsgCatalog::BuildMessage(const VOKString& catalog, const VOKString& key,
                                             const VOKUnicodeString* params, int nParams,
                                             const VOKUnicodeString& defaultText) {
  const vok::CatalogEntries* entries =
      vok::CatalogStore::Instance().Find(catalog.str(), vok::LanguageNow());
  if (!entries) return defaultText;
  const auto entry = entries->find(key.str());
  if (entry == entries->end()) return defaultText;
  // Without a "%" there is nothing to substitute.
  if (entry->second.find('%') == std::string::npos) return VOKUnicodeString(std::string_view(entry->second));
  const int count = params ? std::clamp(nParams, 0, 9) : 0;
  return VOKUnicodeString(std::string_view(Substitute(entry->second, params, count)));
}

void VOKMsgCatalog::LoadFromMemory(const VOKString& catalog, std::string_view contents) {
  vok::CatalogStore::Instance().SetMemory(catalog.str(), contents);
}

void VOKMsgCatalog::ClearMemoryCatalogs() { vok::CatalogStore::Instance().ClearMemory(); }

void VOKMsgCatalog::ReloadFiles() { vok::CatalogStore::Instance().ForgetFiles(); }

int VOKMsgCatalog::MalformedFileMessages() { return vok::CatalogStore::Instance().Messages(); }
