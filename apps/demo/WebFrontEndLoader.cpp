// File: WebFrontEndLoader.cpp
#include "demo/WebFrontEndLoader.h"

#include "front_end/VOKFrontEndLibraries.h"
#include "web_front_end/VOKWebFrontEnd.h"

namespace vok_demo {

int RunWebFrontEnd(VOKDlgWindow& root, int port,
                   const std::function<void(const std::string& address)>& ready,
                   std::string& problem,
                   const std::function<void(const std::string& line)>& recorder) {
  auto* run = reinterpret_cast<decltype(&VOKWebFrontEndRun)>(
      VOKFrontEndLibrarySymbol(VOK_WEB_FRONT_END_LIBRARY, "VOKWebFrontEndRun", problem));
  if (run == nullptr) {
    problem = "cannot load the web front end: " + problem;
    return 1;
  }
  return run(root, port, ready, problem, recorder);
}

}  // namespace vok_demo
