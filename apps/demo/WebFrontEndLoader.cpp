// File: WebFrontEndLoader.cpp
#include "demo/WebFrontEndLoader.h"

#include <dlfcn.h>

#include "web_front_end/VOKWebFrontEnd.h"

namespace vok_demo {

// The library stays loaded until the program ends: its server threads
// have stopped by then, but its static objects are torn down at exit.
int RunWebFrontEnd(VOKDlgWindow& root, int port,
                   const std::function<void(const std::string& address)>& ready,
                   std::string& problem,
                   const std::function<void(const std::string& line)>& recorder) {
  void* library = dlopen(VOK_WEB_FRONT_END_LIBRARY, RTLD_NOW | RTLD_LOCAL);
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
