// File: TerminalScreen.cpp
// The terminal through ncurses: the picture's changed cells, keys and clicks.
#include "front_end/terminal/TerminalScreen.h"

#include <langinfo.h>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>

#define NCURSES_WIDECHAR 1
#include <curses.h>

#include "front_end/terminal/TerminalLook.h"
#include "front_end/text/VOKCellText.h"

namespace vok::terminal {

namespace {

constexpr int kEscapeDelayMs = 25;
constexpr std::chrono::milliseconds kDoubleClick{400};
constexpr wint_t kCtrlC = 3;
constexpr wint_t kCtrlQ = 17;
constexpr wint_t kCtrlU = 21;
constexpr wint_t kBackspaceCtrl = 8;
constexpr wint_t kEscape = 27;
constexpr wint_t kDeleteAscii = 127;

// ncurses needs a UTF-8 character type to show the glyphs; only LC_CTYPE
// is changed, so the host's number and time formats stay as they were.
void useUtf8CharacterType() {
  const auto utf8 = [] { return std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0; };
  if (std::setlocale(LC_CTYPE, "") != nullptr && utf8()) return;
  std::setlocale(LC_CTYPE, "C.UTF-8");
}

void putCell(int x, int y, const VOKCell& cell, bool focused) {
  wchar_t wide[CCHARW_MAX + 1] = {};
  std::size_t count = 0;
  for (char32_t code : VOKDecodeUtf8(cell.glyph)) {
    if (count < CCHARW_MAX) wide[count++] = static_cast<wchar_t>(code);
  }
  const Look look = LookOf(cell.role, focused);
  cchar_t shown;
  setcchar(&shown, wide, look.attributes, look.pair, nullptr);
  mvadd_wch(y, x, &shown);
}

VOKInputEvent functionKey(wint_t key) {
  switch (key) {
    case KEY_UP:
      return VOKInputEvent::Pressed(VOKKey::Up);
    case KEY_DOWN:
      return VOKInputEvent::Pressed(VOKKey::Down);
    case KEY_LEFT:
      return VOKInputEvent::Pressed(VOKKey::Left);
    case KEY_RIGHT:
      return VOKInputEvent::Pressed(VOKKey::Right);
    case KEY_HOME:
      return VOKInputEvent::Pressed(VOKKey::Home);
    case KEY_END:
      return VOKInputEvent::Pressed(VOKKey::End);
    case KEY_PPAGE:
      return VOKInputEvent::Pressed(VOKKey::PageUp);
    case KEY_NPAGE:
      return VOKInputEvent::Pressed(VOKKey::PageDown);
    case KEY_SPREVIOUS:
      return VOKInputEvent::Pressed(VOKKey::ShiftPageUp);
    case KEY_SNEXT:
      return VOKInputEvent::Pressed(VOKKey::ShiftPageDown);
    case KEY_BTAB:
      return VOKInputEvent::Pressed(VOKKey::BackTab);
    case KEY_ENTER:
      return VOKInputEvent::Pressed(VOKKey::Enter);
    case KEY_BACKSPACE:
      return VOKInputEvent::Pressed(VOKKey::Backspace);
    case KEY_DC:
      return VOKInputEvent::Pressed(VOKKey::Delete);
    default:
      return {VOKInputEvent::Kind::Redraw};
  }
}

VOKInputEvent characterKey(wint_t key) {
  switch (key) {
    case '\t':
      return VOKInputEvent::Pressed(VOKKey::Tab);
    case '\n':
    case '\r':
      return VOKInputEvent::Pressed(VOKKey::Enter);
    case kEscape:
      return VOKInputEvent::Pressed(VOKKey::Escape);
    case kDeleteAscii:
    case kBackspaceCtrl:
      return VOKInputEvent::Pressed(VOKKey::Backspace);
    case kCtrlU:
      return VOKInputEvent::Pressed(VOKKey::EraseToStart);
    case kCtrlC:
    case kCtrlQ:
      return {VOKInputEvent::Kind::Quit};
    default:
      if (key < 0x20) return {VOKInputEvent::Kind::Redraw};
      return VOKInputEvent::Typed(static_cast<char32_t>(key));
  }
}

}  // namespace

TerminalScreen::TerminalScreen() {
  const char* before = std::setlocale(LC_CTYPE, nullptr);
  _previousCType = before != nullptr ? before : "C";
  useUtf8CharacterType();
  _screen = newterm(nullptr, stdout, stdin);
  if (_screen == nullptr) return;
  _ready = true;
  raw();
  noecho();
  keypad(stdscr, TRUE);
  set_escdelay(kEscapeDelayMs);
  mousemask(BUTTON1_PRESSED | BUTTON1_CLICKED, nullptr);
  mouseinterval(0);
  curs_set(0);
  StartColours();
}

TerminalScreen::~TerminalScreen() {
  if (_screen != nullptr) {
    endwin();
    delscreen(_screen);
  }
  std::setlocale(LC_CTYPE, _previousCType.c_str());
}

VOKCellSize TerminalScreen::Size() const { return {getmaxx(stdscr), getmaxy(stdscr)}; }

// Only the changed cells are put; ncurses then sends the terminal only the
// cells that differ from what it shows. A picture that changes nothing
// costs no refresh.
void TerminalScreen::Show(const VOKScreenView& view) {
  if (view.changed.empty() && view.cursor == _cursor) return;
  _cursor = view.cursor;
  const VOKCellSize size = Size();
  for (const VOKCellPoint& at : view.changed) {
    if (at.x >= size.width || at.y >= size.height) continue;
    const VOKCell& cell = view.canvas.At(at.x, at.y);
    if (!cell.glyph.empty())
      putCell(at.x, at.y, cell, view.focus && view.focus->Contains(at.x, at.y));
  }
  curs_set(view.cursor ? 1 : 0);
  if (view.cursor) move(view.cursor->y, view.cursor->x);
  refresh();
}

VOKInputEvent TerminalScreen::Next() {
  wint_t key = 0;
  const int kind = get_wch(&key);
  if (kind == ERR) return {VOKInputEvent::Kind::Quit};
  if (kind == KEY_CODE_YES && key == KEY_MOUSE) return click();
  return kind == KEY_CODE_YES ? functionKey(key) : characterKey(key);
}

// A press on the cell of the last one, soon after it, is a double click.
VOKInputEvent TerminalScreen::click() {
  MEVENT mouse;
  if (getmouse(&mouse) != OK || (mouse.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED)) == 0)
    return {VOKInputEvent::Kind::Redraw};
  const auto now = std::chrono::steady_clock::now();
  const VOKCellPoint at{mouse.x, mouse.y};
  const bool twice = _lastClick && _lastClick->at == at && now - _lastClick->when < kDoubleClick;
  _lastClick = twice ? std::nullopt : std::optional<Click>(Click{at, now});
  return twice ? VOKInputEvent::DoubleClicked(at.x, at.y) : VOKInputEvent::Clicked(at.x, at.y);
}

}  // namespace vok::terminal
