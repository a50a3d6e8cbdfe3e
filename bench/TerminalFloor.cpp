// File: TerminalFloor.cpp
// The floor of a key in a terminal: a program that reads each key through
// ncurses, set up as the terminal front end sets it up, and refreshes a
// screen in which nothing changed. bench/keys_tmux.sh times it beside
// vok_demo, so that the demo's figures can be read against what ncurses,
// the terminal and the machine cost for a key before any work is done.
#define NCURSES_WIDECHAR 1
#include <curses.h>

#include <clocale>

int main() {
  constexpr wint_t kCtrlQ = 17;
  constexpr int kEscapeDelayMs = 25;
  std::setlocale(LC_CTYPE, "");
  if (initscr() == nullptr) return 1;
  raw();
  noecho();
  keypad(stdscr, TRUE);
  set_escdelay(kEscapeDelayMs);
  mousemask(ALL_MOUSE_EVENTS, nullptr);
  // The texts the timing script waits for: the form, then, after Tab and
  // Enter, the calendar.
  mvaddstr(0, 0, "Find documents");
  refresh();
  wint_t key = 0;
  int keys = 0;
  while (get_wch(&key) != ERR && key != kCtrlQ) {
    if (++keys == 2) mvaddstr(1, 0, "Choose a date");
    refresh();
  }
  endwin();
  return 0;
}
