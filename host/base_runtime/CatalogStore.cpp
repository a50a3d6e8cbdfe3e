// File: CatalogStore.cpp
#include "base_runtime/CatalogStore.h"

#include <dlfcn.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "base_runtime/VOKEnvironment.h"

namespace vok {
namespace {

constexpr const char* kFallbackLanguage = "en";

// A catalog name is a plain file name: it must not lead out of the
// catalog directories.
bool IsPlainName(const std::string& name) {
  return !name.empty() && name.front() != '.' && name.find('/') == std::string::npos;
}

std::optional<std::string> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The folder of the catalogs installed beside this library, found from
// where the library itself was loaded.
std::optional<std::string> CatalogsBesideLibrary() {
  static const char anchor = 0;
  Dl_info info{};
  if (dladdr(&anchor, &info) == 0 || info.dli_fname == nullptr) return std::nullopt;
  const std::filesystem::path library(info.dli_fname);
  return (library.parent_path() / VOK_CATALOGS_FROM_LIBRARY).lexically_normal().string();
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
  if (std::optional<std::string> beside = CatalogsBesideLibrary())
    dirs.push_back(std::move(*beside));
  return dirs;
}

CatalogStore& CatalogStore::Instance() {
  static CatalogStore store;
  return store;
}

const CatalogEntries* CatalogStore::Find(const std::string& catalog, const std::string& language) {
  const auto memory = _memory.find(catalog);
  if (memory != _memory.end()) return &memory->second;
  if (!IsPlainName(catalog)) return nullptr;
  const CatalogEntries* entries = FileCatalog(catalog, language);
  if (!entries && language != kFallbackLanguage) entries = FileCatalog(catalog, kFallbackLanguage);
  if (!entries) ReportMissing(catalog);
  return entries;
}

void CatalogStore::SetMemory(const std::string& catalog, std::string_view contents) {
  _memory.insert_or_assign(catalog, Parse(contents, "<memory:" + catalog + ">"));
}

void CatalogStore::ClearMemory() { _memory.clear(); }

void CatalogStore::ForgetFiles() {
  _files.clear();
  _recentFile = _files.end();
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
    if (std::optional<std::string> contents = ReadFile(file))
      return Parse(*contents, file.string());
  }
  return std::nullopt;
}

void CatalogStore::ReportMissing(const std::string& catalog) {
  if (!_missing.insert(catalog).second) return;
  std::cerr << "catalog \"" << catalog << "\" not found in";
  for (const std::string& dir : CatalogDirectories()) std::cerr << " " << dir;
  std::cerr << " (VOK_CATALOG_PATH adds folders); using built-in texts\n";
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
