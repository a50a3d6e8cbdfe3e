// File: TerminalLook.h
// Internal to the front end: how each cell role looks on the terminal.
#pragma once

#define NCURSES_WIDECHAR 1
#include <curses.h>

#include "front_end/paint/VOKCanvas.h"

namespace vok::terminal {

struct Look {
  attr_t attributes = A_NORMAL;
  short pair = 0;
};

// Sets up the colour pairs when the terminal has colours.
void StartColours();
// The focused widget is shown in reverse video.
Look LookOf(VOKCellRole role, bool focused);

}  // namespace vok::terminal
