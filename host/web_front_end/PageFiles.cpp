// File: PageFiles.cpp
#include "web_front_end/PageFiles.h"

#include <array>
#include <filesystem>

#include "base_runtime/VOKInstalledData.h"

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

}  // namespace

std::optional<PageFiles> LoadPageFiles(std::string& folder) {
  const std::filesystem::path from = VOKInstalledDataFolder("web").value_or("");
  folder = from.string();
  PageFiles files;
  for (const Known& known : kFiles) {
    std::optional<std::string> contents = VOKReadWholeFile(from / known.file);
    if (!contents) return std::nullopt;
    files[known.path] = {known.contentType, std::move(*contents)};
  }
  return files;
}

}  // namespace vok::web
