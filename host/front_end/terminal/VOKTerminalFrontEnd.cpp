// File: VOKTerminalFrontEnd.cpp
// The interactive front end: a session on the terminal screen.
#include "front_end/terminal/VOKTerminalFrontEnd.h"

#include <unistd.h>

#include <cstdlib>
#include <string_view>

#include "front_end/session/VOKFrontEndSession.h"
#include "front_end/terminal/TerminalScreen.h"

bool VOKTerminalFrontEnd::Available() {
  const char* term = std::getenv("TERM");
  return isatty(STDIN_FILENO) != 0 && isatty(STDOUT_FILENO) != 0 && term != nullptr &&
         *term != '\0' && std::string_view(term) != "dumb";
}

int VOKTerminalFrontEnd::Run(VOKDlgWindow& root) { return Run(root, {}); }

int VOKTerminalFrontEnd::Run(VOKDlgWindow& root,
                             const std::function<void(const std::string& line)>& recorder) {
  if (!Available()) return 1;
  vok::terminal::TerminalScreen screen;
  if (!screen.Ready()) return 1;
  VOKFrontEndSession session(root, screen);
  session.SetRecorder(recorder);
  session.Run();
  return 0;
}
