// File: WebFrontEndLoader.cpp
#include "demo/WebFrontEndLoader.h"

#include <dlfcn.h>

#include "front_end/terminal/VOKTerminalFrontEnd.h"
#include "web_front_end/VOKWebFrontEnd.h"

namespace vok_demo {
namespace {

// The web front end's library beside the terminal front end's, which the
// program links: built and installed, both stand in the same folder. The
// full path does not depend on whose run path dlopen reads (a sanitizer
// that wraps dlopen makes that its own).
std::string LibraryPath() {
  Dl_info linked{};
  const auto* symbol = reinterpret_cast<const void*>(&VOKTerminalFrontEnd::Available);
  if (dladdr(symbol, &linked) == 0 || linked.dli_fname == nullptr) return VOK_WEB_FRONT_END_LIBRARY;
  const std::string path = linked.dli_fname;
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  return folder + VOK_WEB_FRONT_END_LIBRARY;
}

}  // namespace

// The library stays loaded until the program ends: its server threads
// have stopped by then, but its static objects are torn down at exit.
int RunWebFrontEnd(VOKDlgWindow& root, int port,
                   const std::function<void(const std::string& address)>& ready,
                   std::string& problem,
                   const std::function<void(const std::string& line)>& recorder) {
  void* library = dlopen(LibraryPath().c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    problem = std::string("cannot load the web front end: ") + dlerror();
    return 1;
  }
  auto* run = reinterpret_cast<decltype(&VOKWebFrontEndRun)>(dlsym(library, "VOKWebFrontEndRun"));
  if (run == nullptr) {
    problem = std::string("cannot load the web front end: ") + dlerror();
    return 1;
  }
  return run(root, port, ready, problem, recorder);
}

}  // namespace vok_demo
