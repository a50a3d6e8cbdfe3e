// File: CatalogStore.h
// Where message catalogs come from: catalogs given from memory, else files
// <dir>/<language>/<Catalog>.catalog, parsed once and kept until forgotten.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base_runtime/CatalogParser.h"

namespace vok {

// The catalog directories in search order: the entries of VOK_CATALOG_PATH,
// then share/vokdatepicker/catalogs beside the library's own lib folder
// (the installed catalogs, or the build tree's link to the sources).
std::vector<std::string> CatalogDirectories();

class CatalogStore {
 public:
  static CatalogStore& Instance();

  // The entries of a catalog in a language (English when that language has
  // no file), or null when there is no such catalog.
  const CatalogEntries* Find(const std::string& catalog, const std::string& language);

  void SetMemory(const std::string& catalog, std::string_view contents);
  void ClearMemory();
  void ForgetFiles();
  int Messages() const { return _messages; }

 private:
  const CatalogEntries* FileCatalog(const std::string& catalog, const std::string& language);
  std::optional<CatalogEntries> LoadFile(const std::string& catalog, const std::string& language);
  // Says once per catalog that no folder holds it.
  void ReportMissing(const std::string& catalog);
  CatalogEntries Parse(std::string_view contents, const std::string& label);

  // (catalog, language), looked up without copying the two names.
  using FileKey = std::pair<std::string, std::string>;
  using FileKeyView = std::pair<std::string_view, std::string_view>;
  struct FileKeyOrder {
    using is_transparent = void;
    static FileKeyView View(const FileKey& key) { return {key.first, key.second}; }
    static FileKeyView View(const FileKeyView& key) { return key; }
    template <class A, class B>
    bool operator()(const A& a, const B& b) const {
      return View(a) < View(b);
    }
  };

  std::map<std::string, CatalogEntries> _memory;
  // A cached miss is kept as nullopt, so missing files are looked for once.
  using FileMap = std::map<FileKey, std::optional<CatalogEntries>, FileKeyOrder>;
  FileMap _files;
  // Lookups come in runs for one catalog: the last one is tried first.
  FileMap::const_iterator _recentFile = _files.end();
  std::set<std::string> _missing;
  int _messages = 0;
};

}  // namespace vok
