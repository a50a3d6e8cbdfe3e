// File: TerminalScreenOpen.h
// Internal to the front end: the entry point of the terminal screen's own
// library, which the terminal front end loads when it runs, so that no
// other run loads ncurses.
#pragma once

#include "front_end/session/VOKFrontEndScreen.h"

// A screen on the process's terminal, or nullptr when ncurses could not
// take it. The caller owns the screen.
extern "C" __attribute__((visibility("default"))) VOKFrontEndScreen* VOKTerminalScreenOpen();
