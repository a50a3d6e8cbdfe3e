// File: TerminalLook.cpp
// Colours and attributes of the cell roles. Without colours the roles
// still differ by attributes: fields underlined, the marked (insensitive)
// buttons bold and underlined, the open list's line reversed.
#include "front_end/terminal/TerminalLook.h"

namespace vok::terminal {

namespace {

constexpr short kFrame = 1;
constexpr short kMarked = 2;
constexpr short kField = 3;
constexpr short kClose = 4;
constexpr short kList = 5;

bool coloured = false;

short pair(short colours) { return coloured ? colours : short{0}; }

Look look(VOKCellRole role) {
  switch (role) {
    case VOKCellRole::Border:
    case VOKCellRole::Arrow:
      return {A_NORMAL, pair(kFrame)};
    case VOKCellRole::Title:
    case VOKCellRole::Button:
      return {A_BOLD, 0};
    case VOKCellRole::Greyed:
      return coloured ? Look{A_BOLD, kMarked} : Look{A_BOLD | A_UNDERLINE, 0};
    case VOKCellRole::Field:
      return coloured ? Look{A_NORMAL, kField} : Look{A_UNDERLINE, 0};
    case VOKCellRole::Selected:
      return {A_BOLD | A_UNDERLINE, pair(kMarked)};
    case VOKCellRole::Close:
      return {A_BOLD, pair(kClose)};
    case VOKCellRole::List:
      return {A_NORMAL, pair(kList)};
    case VOKCellRole::ListChosen:
      return {A_REVERSE, 0};
    default:
      return {};
  }
}

}  // namespace

void StartColours() {
  if (!has_colors() || start_color() == ERR) return;
  use_default_colors();
  init_pair(kFrame, COLOR_CYAN, -1);
  init_pair(kMarked, COLOR_BLACK, COLOR_YELLOW);
  init_pair(kField, COLOR_WHITE, COLOR_BLUE);
  init_pair(kClose, COLOR_RED, -1);
  init_pair(kList, COLOR_BLACK, COLOR_CYAN);
  coloured = true;
}

// Selected text stands out of the reversed field by not being reversed.
Look LookOf(VOKCellRole role, bool focused) {
  Look result = look(role);
  if (focused && role != VOKCellRole::Selected) result.attributes |= A_REVERSE;
  return result;
}

}  // namespace vok::terminal
