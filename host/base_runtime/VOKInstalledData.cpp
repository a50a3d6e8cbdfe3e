// File: VOKInstalledData.cpp
#include "base_runtime/VOKInstalledData.h"

#include <dlfcn.h>

#include <fstream>
#include <iterator>

std::optional<std::filesystem::path> VOKInstalledDataFolder(std::string_view name) {
  static const char anchor = 0;
  Dl_info info{};
  if (dladdr(&anchor, &info) == 0 || info.dli_fname == nullptr) return std::nullopt;
  const std::filesystem::path library(info.dli_fname);
  return (library.parent_path() / VOK_DATA_FROM_LIBRARY / name).lexically_normal();
}

std::optional<std::string> VOKReadWholeFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string contents(std::istreambuf_iterator<char>(in), {});
  if (in.bad()) return std::nullopt;
  return contents;
}
