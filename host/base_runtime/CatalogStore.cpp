// File: CatalogStore.cpp
#include "base_runtime/CatalogStore.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "base_runtime/BuiltInCatalogs.h"
#include "base_runtime/HostContext.h"
#include "base_runtime/VOKEnvironment.h"
#include "base_runtime/VOKInstalledData.h"

namespace vok {
namespace {

constexpr const char* kFallbackLanguage = "en";

// A catalog name is a plain file name: it must not lead out of the
// catalog directories.
bool IsPlainName(const std::string& name) {
  return !name.empty() && name.front() != '.' && name.find('/') == std::string::npos;
}

}  // namespace

std::vector<std::string> CatalogDirectories() {
  std::vector<std::string> dirs;
  const char* variable = VOKGetEnv("VOK_CATALOG_PATH");
  std::string_view path = variable ? variable : "";
  while (!path.empty()) {
    const std::size_t colon = path.find(':');
    if (colon != 0) dirs.emplace_back(path.substr(0, colon));
    path = colon == std::string_view::npos ? std::string_view() : path.substr(colon + 1);
  }
  if (const auto installed = VOKInstalledDataFolder("catalogs"))
    dirs.push_back(installed->string());
  return dirs;
}

std::string CatalogFoldersText() {
  std::string text;
  for (const std::string& dir : CatalogDirectories()) text += (text.empty() ? "" : " ") + dir;
  return text.empty() ? "no folder" : text;
}

CatalogStore& CatalogStore::Instance() { return HostContext::Current().Catalogs(); }

const CatalogEntries* CatalogStore::Find(const std::string& catalog, const std::string& language) {
  const auto memory = _memory.find(catalog);
  if (memory != _memory.end()) return &memory->second;
  if (!IsPlainName(catalog)) return nullptr;
  if (const CatalogEntries* entries = FileCatalog(catalog, language)) return entries;
  if (language != kFallbackLanguage) {
    if (const CatalogEntries* english = FileCatalog(catalog, kFallbackLanguage)) {
      ReportLanguageMissing(catalog, language);
      return english;
    }
  }
  if (const CatalogEntries* builtIn = BuiltIn(catalog)) {
    ReportFoldersMissing(catalog);
    return builtIn;
  }
  ReportCatalogMissing(catalog);
  return nullptr;
}

void CatalogStore::SetMemory(const std::string& catalog, std::string_view contents) {
  _memory.insert_or_assign(catalog, Parse(contents, "<memory:" + catalog + ">"));
}

void CatalogStore::ClearMemory() { _memory.clear(); }

// The notes are about the files read: after a change of path or language
// they are given again.
void CatalogStore::ForgetFiles() {
  _files.clear();
  _recentFile = _files.end();
  _reportedFolders = false;
  _reportedLanguages.clear();
  _reportedCatalogs.clear();
}

const CatalogEntries* CatalogStore::FileCatalog(const std::string& catalog,
                                                const std::string& language) {
  const bool recent = _recentFile != _files.end() && _recentFile->first.first == catalog &&
                      _recentFile->first.second == language;
  if (!recent) {
    auto cached = _files.find(FileKeyView(catalog, language));
    if (cached == _files.end())
      cached = _files.emplace(FileKey(catalog, language), LoadFile(catalog, language)).first;
    _recentFile = cached;
  }
  return _recentFile->second ? &*_recentFile->second : nullptr;
}

std::optional<CatalogEntries> CatalogStore::LoadFile(const std::string& catalog,
                                                     const std::string& language) {
  if (!IsPlainName(language)) return std::nullopt;
  for (const std::string& dir : CatalogDirectories()) {
    const std::filesystem::path file =
        std::filesystem::path(dir) / language / (catalog + ".catalog");
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) continue;
    if (std::optional<std::string> contents = VOKReadWholeFile(file))
      return Parse(*contents, file.string());
  }
  return std::nullopt;
}

const CatalogEntries* CatalogStore::BuiltIn(const std::string& catalog) {
  const auto parsed = _builtIn.find(catalog);
  if (parsed != _builtIn.end()) return &parsed->second;
  const std::span<const BuiltInCatalog> all = BuiltInEnglishCatalogs();
  const auto found = std::find_if(all.begin(), all.end(), [&](const BuiltInCatalog& builtIn) {
    return builtIn.name == catalog;
  });
  if (found == all.end()) return nullptr;
  return &_builtIn.emplace(catalog, Parse(found->contents, "<built-in:" + catalog + ">"))
              .first->second;
}

void CatalogStore::ReportFoldersMissing(const std::string& catalog) {
  if (_reportedFolders) return;
  _reportedFolders = true;
  std::cerr << "catalog \"" << catalog << "\" not found in " << CatalogFoldersText()
            << " (VOK_CATALOG_PATH adds folders); using the built-in English texts\n";
}

void CatalogStore::ReportLanguageMissing(const std::string& catalog, const std::string& language) {
  if (!_reportedLanguages.insert(language).second) return;
  std::cerr << "catalog \"" << catalog << "\" has no \"" << language << "\" text in "
            << CatalogFoldersText() << "; using English\n";
}

void CatalogStore::ReportCatalogMissing(const std::string& catalog) {
  if (!_reportedCatalogs.insert(catalog).second) return;
  std::cerr << "catalog \"" << catalog << "\" not found in " << CatalogFoldersText()
            << " (VOK_CATALOG_PATH adds folders)\n";
}

CatalogEntries CatalogStore::Parse(std::string_view contents, const std::string& label) {
  ParsedCatalog parsed = ParseCatalog(contents, label);
  if (!parsed.problem.empty()) {
    std::cerr << "catalog " << parsed.problem << "\n";
    ++_messages;
  }
  return std::move(parsed.entries);
}

}  // namespace vok
