// File: VOKMsgCatalog.h
// Message catalogs: UTF-8 text files, one per catalog name and language,
// found as <dir>/<language>/<Catalog>.catalog under the catalog directories
// (VOK_CATALOG_PATH, a colon-separated list, then the build tree's and the
// installed resources). A file holds lines "Key = Text"; "#" starts a comment
// line; blank lines are skipped; the text runs to the end of the line,
// surrounding blanks trimmed, and may be quoted with double quotes. "%1" to
// "%9" are replaced by the parameters by position; "%%" gives "%".
// A line that is not of that form makes the loader write one message naming
// file and line to stderr; the rest of the file is used.
#pragma once

#include <string>
#include <string_view>

#include "base_runtime/HostExport.h"
#include "base_runtime/VOKString.h"
#include "base_runtime/VOKUnicodeString.h"

/// Texts of the message catalogs in the host language. A catalog no folder
/// holds comes from the English catalogs built into the library, with one note
/// on stderr naming the folders searched.
class VOK_HOST_API VOKMsgCatalog {
 public:
  VOKMsgCatalog() = default;
  /// Holds nothing: copies are free.
  VOKMsgCatalog(const VOKMsgCatalog&) = default;
  /// Holds nothing: copies are free.
  VOKMsgCatalog& operator=(const VOKMsgCatalog&) = default;
  ~VOKMsgCatalog() = default;

  /// The text under key in the named catalog of the host language (English
  /// when the language has no such catalog), with nParams parameters
  /// substituted; defaultText when the catalog or key is missing.
  static VOKUnicodeString BuildMessage(const VOKString& catalog, const VOKString& key,
                                       const VOKUnicodeString* params, int nParams,
                                       const VOKUnicodeString& defaultText);

  /// Test hooks. A catalog given from memory replaces the file of that
  /// catalog for every language until ClearMemoryCatalogs.
  static void LoadFromMemory(const VOKString& catalog, std::string_view contents);
  /// Drops every catalog given from memory.
  static void ClearMemoryCatalogs();
  /// Forgets the files read so far (after the language or path changed).
  static void ReloadFiles();
  /// The messages the loader has written about malformed files.
  static int MalformedFileMessages();
};
