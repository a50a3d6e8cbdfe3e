// File: VOKTerminalFrontEnd.h
// The interactive terminal front end (ncurses). Every action a person takes
// goes through the toolkit's user actions (VOKDlgUser).
#pragma once

#include "HostExport.h"
#include "dialog_toolkit/VOKDlgWindow.h"

class VOK_HOST_API VOKTerminalFrontEnd {
 public:
  // True when standard input and output are a terminal ncurses can use.
  static bool Available();
  // Shows root and runs until it is closed or hidden; message boxes run a
  // nested loop until answered. Returns 0, or 1 when the terminal failed.
  static int Run(VOKDlgWindow& root);
};
