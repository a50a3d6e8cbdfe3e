// File: PageFiles.cpp
#include "web_front_end/PageFiles.h"

#include <dlfcn.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vok::web {
namespace {

struct Known {
  const char* path;
  const char* file;
  const char* contentType;
};

constexpr std::array<Known, 3> kFiles{{
    {"/", "index.html", "text/html; charset=utf-8"},
    {"/page.js", "page.js", "text/javascript; charset=utf-8"},
    {"/page.css", "page.css", "text/css; charset=utf-8"},
}};

std::filesystem::path besideLibrary() {
  static const char anchor = 0;
  Dl_info info{};
  if (dladdr(&anchor, &info) == 0 || info.dli_fname == nullptr) return {};
  return (std::filesystem::path(info.dli_fname).parent_path() / VOK_WEB_FROM_LIBRARY)
      .lexically_normal();
}

std::optional<std::string> read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream contents;
  if (!(in && contents << in.rdbuf())) return std::nullopt;
  return contents.str();
}

}  // namespace

std::optional<PageFiles> LoadPageFiles(std::string& folder) {
  const std::filesystem::path from = besideLibrary();
  folder = from.string();
  PageFiles files;
  for (const Known& known : kFiles) {
    std::optional<std::string> contents = read(from / known.file);
    if (!contents) return std::nullopt;
    files[known.path] = {known.contentType, std::move(*contents)};
  }
  return files;
}

}  // namespace vok::web
