// File: TerminalScreenOpen.cpp
#include "front_end/terminal/TerminalScreenOpen.h"

#include <memory>

#include "front_end/terminal/TerminalScreen.h"

VOKFrontEndScreen* VOKTerminalScreenOpen() {
  auto screen = std::make_unique<vok::terminal::TerminalScreen>();
  return screen->Ready() ? screen.release() : nullptr;
}
