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
// The catalog directories as one line for messages.
std::string CatalogFoldersText();

class CatalogStore {
 public:
  // The current host context's store.
  static CatalogStore& Instance();

  // The entries of a catalog in a language: its file in that language, else
  // its English file, else its built-in English text; null when there is no
  // such catalog. Each fallback is said once on stderr.
  const CatalogEntries* Find(const std::string& catalog, const std::string& language);

  void SetMemory(const std::string& catalog, std::string_view contents);
  void ClearMemory();
  // Forgets the files read and the notes given about them.
  void ForgetFiles();
  int Messages() const { return _messages; }

 private:
  const CatalogEntries* FileCatalog(const std::string& catalog, const std::string& language);
  std::optional<CatalogEntries> LoadFile(const std::string& catalog, const std::string& language);
  const CatalogEntries* BuiltIn(const std::string& catalog);
  // Once for all catalogs: no folder holds them, the built-in texts serve.
  void ReportFoldersMissing(const std::string& catalog);
  // Once per language: English serves instead.
  void ReportLanguageMissing(const std::string& catalog, const std::string& language);
  // Once per catalog that exists nowhere.
  void ReportCatalogMissing(const std::string& catalog);
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
  std::map<std::string, CatalogEntries, std::less<>> _builtIn;
  bool _reportedFolders = false;
  std::set<std::string> _reportedLanguages;
  std::set<std::string> _reportedCatalogs;
  int _messages = 0;
};

}  // namespace vok
