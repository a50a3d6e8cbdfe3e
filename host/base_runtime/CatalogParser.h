// File: CatalogParser.h
// Reading the text of a message catalog into its entries.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace vok {

using CatalogEntries = std::map<std::string, std::string, std::less<>>;

struct ParsedCatalog {
  CatalogEntries entries;
  // The first complaint about the text, empty when it is well formed: the
  // first malformed line ("<label>:<line>: expected 'Key = Text'"), or the
  // whole text refused for not being UTF-8.
  std::string problem;
};

// Lines "Key = Text"; "#" comment lines and blank lines are skipped; the text
// is trimmed and may be quoted. A malformed line is skipped; the rest is
// used. Text that is not valid UTF-8 gives no entries. label names the
// source in the problem text.
ParsedCatalog ParseCatalog(std::string_view contents, const std::string& label);

}  // namespace vok
