// File: BuiltInCatalogs.h
// The English message catalogs compiled into the host library from the
// shipped catalog files, so that a host whose catalog folder is gone still
// shows its texts and reads its dates.
#pragma once

#include <span>
#include <string_view>

namespace vok {

struct BuiltInCatalog {
  std::string_view name;      // "VOKPLMDlgDate"
  std::string_view contents;  // the file's text, as read from disk
};

// Every built-in catalog, sorted by name.
std::span<const BuiltInCatalog> BuiltInEnglishCatalogs();

}  // namespace vok
