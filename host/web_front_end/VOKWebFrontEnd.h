// File: VOKWebFrontEnd.h
// The web front end: a VOKFrontEndSession (see there for the keys and
// clicks) whose screen is a page in a browser. The page draws the windows
// as HTML from a JSON description of the widget tree (PageView.h) and
// sends the person's keys and clicks back (PageMessage.h).
//
// It serves on 127.0.0.1 only. Every address carries a token made at
// random for the run; a request without it is refused (403), and so is
// one with a foreign Host (421) or an event from a foreign Origin (403).
// One person at a time: a second page opened at the address takes the
// session over, and the first page says so and stops. The run ends when
// the root window is closed, on Ctrl-C (SIGINT) or SIGTERM, or a few
// seconds after the page was closed.
#pragma once

#include <functional>
#include <string>

#include "dialog_toolkit/VOKDlgWindow.h"
#include "web_front_end/WebFrontEndExport.h"

/// Shows a window tree as a page in a browser on this machine and lets a person
/// use it (see the notes above).
class VOK_WEB_FRONTEND_API VOKWebFrontEnd {
 public:
  /// Columns of the screen the windows are laid out on.
  static constexpr int kColumns = 80;
  /// Lines of that screen.
  static constexpr int kLines = 24;

  /// Serves root at port (0: a free one) and runs the session on the
  /// calling thread; ready gets the address to open once the server
  /// listens. Returns 0, or 1 with the reason in problem when it cannot
  /// serve (the port is taken, the page's files are missing).
  static int Run(VOKDlgWindow& root, int port,
                 const std::function<void(const std::string& address)>& ready,
                 std::string& problem);
  /// Run, handing recorder each action the person takes as a line of an
  /// action script, before the action is taken.
  static int Run(VOKDlgWindow& root, int port,
                 const std::function<void(const std::string& address)>& ready, std::string& problem,
                 const std::function<void(const std::string& line)>& recorder);
};

/// VOKWebFrontEnd::Run under a name that dlsym finds, for hosts that load
/// this library only when they serve a page, which spares every other run
/// the loading of the HTTP server and its libraries.
extern "C" VOK_WEB_FRONTEND_API int VOKWebFrontEndRun(
    VOKDlgWindow& root, int port, const std::function<void(const std::string& address)>& ready,
    std::string& problem, const std::function<void(const std::string& line)>& recorder);
