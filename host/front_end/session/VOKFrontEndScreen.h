// File: VOKFrontEndScreen.h
// What an interactive session needs from a screen: its size, a way to
// show a picture of the windows (with the cells changed since the last
// one), and the person's input, one event at a time. The terminal front
// end implements it with ncurses; tests with a list of events.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "dialog_toolkit/VOKDlgCombo.h"
#include "front_end/FrontEndExport.h"
#include "front_end/layout/VOKDropList.h"
#include "front_end/layout/VOKLayout.h"
#include "front_end/paint/VOKCanvas.h"

enum class VOKKey {
  Tab,
  BackTab,
  Enter,
  Escape,
  Up,
  Down,
  Left,
  Right,
  Home,
  End,
  PageUp,
  PageDown,
  ShiftPageUp,
  ShiftPageDown,
  Backspace,
  Delete,
  EraseToStart  // Ctrl-U
};

struct VOKInputEvent {
  enum class Kind {
    Key,          // key
    Character,    // character typed (a blank too)
    Click,        // x and y of a mouse click on the screen
    DoubleClick,  // a second click on the same cell soon after the first
    Redraw,       // the screen changed size, or input that does nothing
    Quit          // no more input, or the person asked to leave at once
  };
  Kind kind = Kind::Quit;
  VOKKey key = VOKKey::Escape;
  char32_t character = 0;
  int x = 0;
  int y = 0;

  static VOKInputEvent Pressed(VOKKey key) { return {Kind::Key, key, 0, 0, 0}; }
  static VOKInputEvent Typed(char32_t character) {
    return {Kind::Character, VOKKey::Escape, character, 0, 0};
  }
  static VOKInputEvent Clicked(int x, int y) { return {Kind::Click, VOKKey::Escape, 0, x, y}; }
  static VOKInputEvent DoubleClicked(int x, int y) {
    return {Kind::DoubleClick, VOKKey::Escape, 0, x, y};
  }
};

// The text being typed into the focused field.
struct VOKFieldDraftView {
  const VOKDialog* field = nullptr;
  std::string text;
  int cursor = 0;  // characters before the text cursor
  bool selected = false;
};

// The open list of a combo.
struct VOKOpenListView {
  const VOKDlgCombo* combo = nullptr;
  VOKDropList place;
  int highlighted = 0;
};

// What the session shows: the picture in cells, and the same content as
// laid-out widgets for a screen that draws the widgets by itself.
struct VOKScreenView {
  VOKCanvas canvas{0, 0};
  // The widget with the keyboard focus (shown in reverse video).
  std::optional<VOKCellRect> focus;
  // Where the text cursor stands while a field has the focus.
  std::optional<VOKCellPoint> cursor;
  // The windows, bottom to top, placed on the screen.
  std::vector<VOKWindowLayout> windows;
  std::optional<VOKFieldDraftView> draft;
  std::optional<VOKOpenListView> list;
  // The keys line, or Esc's question.
  std::string status;
  // The notice shown instead of windows too large for the screen.
  std::string notice;
  // The cells that differ from the picture shown before (in glyph, role or
  // focus), so that a screen that keeps its picture draws only these; all
  // of them on the first picture and when the screen's size changed.
  std::vector<VOKCellPoint> changed;
};

class VOK_FRONTEND_API VOKFrontEndScreen {
 public:
  virtual ~VOKFrontEndScreen() = default;
  virtual VOKCellSize Size() const = 0;
  virtual void Show(const VOKScreenView& view) = 0;
  // Waits for the next event.
  virtual VOKInputEvent Next() = 0;
};
