// File: FrontEndLibraries.cpp
#include <dlfcn.h>

#include "front_end/VOKFrontEndLibraries.h"

namespace {

std::string FolderOfThisLibrary() {
  Dl_info self{};
  const auto* symbol = reinterpret_cast<const void*>(&VOKFrontEndLibrarySymbol);
  if (dladdr(symbol, &self) == 0 || self.dli_fname == nullptr) return "";
  const std::string path = self.dli_fname;
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

}  // namespace

void* VOKFrontEndLibrarySymbol(const std::string& fileName, const char* symbol,
                               std::string& problem) {
  void* library = dlopen((FolderOfThisLibrary() + fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
  void* found = library != nullptr ? dlsym(library, symbol) : nullptr;
  if (found == nullptr) {
    const char* reason = dlerror();  // none for a symbol whose value is null
    problem = reason != nullptr ? reason : fileName + ": " + symbol + " is null";
  }
  return found;
}
