// File: TerminalScreen.h
// Internal to the front end: a VOKFrontEndScreen on the process's terminal
// through ncurses (wide characters, colours when the terminal has them,
// the mouse when it reports clicks).
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "front_end/session/VOKFrontEndScreen.h"

struct screen;  // ncurses' SCREEN

namespace vok::terminal {

class TerminalScreen : public VOKFrontEndScreen {
 public:
  TerminalScreen();
  ~TerminalScreen() override;
  TerminalScreen(const TerminalScreen&) = delete;
  TerminalScreen& operator=(const TerminalScreen&) = delete;

  // False when ncurses could not take the terminal.
  bool Ready() const { return _ready; }

  VOKCellSize Size() const override;
  void Show(const VOKScreenView& view) override;
  VOKInputEvent Next() override;

 private:
  struct Click {
    VOKCellPoint at;
    std::chrono::steady_clock::time_point when;
  };
  VOKInputEvent click();

  bool _ready = false;
  std::optional<Click> _lastClick;
  std::optional<VOKCellPoint> _cursor;  // where the last picture put it
  screen* _screen = nullptr;
  std::string _previousCType;
};

}  // namespace vok::terminal
