// File: VOKTerminalFrontEnd.h
// The interactive terminal front end (ncurses, wide characters): a
// VOKFrontEndSession (see there for the keys and clicks) on the process's
// terminal. Every action a person takes goes through the toolkit's user
// actions (VOKDlgUser). Ctrl-C or Ctrl-Q leave at once. Only the character
// type of the C locale is set (to the environment's, or C.UTF-8 when that
// is not UTF-8) while it runs.
#pragma once

#include <functional>
#include <string>

#include "dialog_toolkit/VOKDlgWindow.h"
#include "front_end/FrontEndExport.h"

/// Shows a window tree on the process's terminal and lets a person use it (see
/// the notes above).
class VOK_FRONTEND_API VOKTerminalFrontEnd {
 public:
  /// True when standard input and output are terminals and TERM names one
  /// (set, and not "dumb").
  static bool Available();
  /// Shows root and runs until it is closed or hidden; message boxes run a
  /// nested loop until answered. Returns 0; 1 when the terminal failed; 2,
  /// with the reason on standard error, when the terminal screen's library
  /// (libvokterminal, beside this one) cannot be loaded.
  static int Run(VOKDlgWindow& root);
  /// Run, handing recorder each action the person takes as a line of an
  /// action script, before the action is taken.
  static int Run(VOKDlgWindow& root, const std::function<void(const std::string& line)>& recorder);
};
