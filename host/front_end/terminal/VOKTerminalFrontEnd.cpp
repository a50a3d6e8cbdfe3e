// File: VOKTerminalFrontEnd.cpp
// The interactive front end: a session on the terminal screen, whose
// library is loaded here.
#include "front_end/terminal/VOKTerminalFrontEnd.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string_view>

#include "front_end/VOKFrontEndLibraries.h"
#include "front_end/session/VOKFrontEndSession.h"
#include "front_end/terminal/TerminalScreenOpen.h"

bool VOKTerminalFrontEnd::Available() {
  const char* term = std::getenv("TERM");
  return isatty(STDIN_FILENO) != 0 && isatty(STDOUT_FILENO) != 0 && term != nullptr &&
         *term != '\0' && std::string_view(term) != "dumb";
}

int VOKTerminalFrontEnd::Run(VOKDlgWindow& root) { return Run(root, {}); }

int VOKTerminalFrontEnd::Run(VOKDlgWindow& root,
                             const std::function<void(const std::string& line)>& recorder) {
  if (!Available()) return 1;
  std::string problem;
  auto* open = reinterpret_cast<decltype(&VOKTerminalScreenOpen)>(
      VOKFrontEndLibrarySymbol(VOK_TERMINAL_SCREEN_LIBRARY, "VOKTerminalScreenOpen", problem));
  if (open == nullptr) {
    std::cerr << "terminal front end: cannot load the terminal screen: " << problem << "\n";
    return 2;
  }
  const std::unique_ptr<VOKFrontEndScreen> screen(open());
  if (!screen) return 1;
  VOKFrontEndSession session(root, *screen);
  session.SetRecorder(recorder);
  session.Run();
  return 0;
}
