// File: PageFiles.h
// Internal to the web front end. The page's own files, the only ones the
// server gives out: read once from share/vokdatepicker/web beside the
// library (the build tree has the same layout).
#pragma once

#include <map>
#include <optional>
#include <string>

namespace vok::web {

struct PageFile {
  std::string contentType;
  std::string contents;
};

// By the path a browser asks for ("/", "/page.js", "/page.css").
using PageFiles = std::map<std::string, PageFile>;

// The files, or nullopt when one cannot be read; folder says where they
// were looked for.
std::optional<PageFiles> LoadPageFiles(std::string& folder);

}  // namespace vok::web
