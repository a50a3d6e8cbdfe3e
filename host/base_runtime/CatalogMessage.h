// File: CatalogMessage.h
// Internal to the host library. VOKMsgCatalog::BuildMessage in a language
// given by the caller: the host's locale is made from the catalogs of the
// language it is about to have.
#pragma once

#include <string>

#include "base_runtime/VOKUnicodeString.h"

namespace vok {

VOKUnicodeString CatalogMessage(const std::string& catalog, const std::string& key,
                                const std::string& language, const VOKUnicodeString* params,
                                int nParams, const VOKUnicodeString& defaultText);

}  // namespace vok
