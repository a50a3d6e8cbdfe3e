// File: VOKFrontEndSession.h
// A person working with windows through a screen: the session draws the
// windows, keeps the keyboard focus, and turns keys and clicks into the
// toolkit's user actions (VOKDlgUser), the only way it acts on widgets.
//
// Keys:
//   Tab, Shift-Tab   focus to the next / previous shown, usable widget of
//                    the top window, its OK and Cancel buttons included; a
//                    grid of buttons (ButtonGrid.h) is one stop, entered on
//                    its chosen button
//   Enter, Space     press the focused button (OK and Cancel too); on a
//                    grid's button, press it and then the window's OK
//   arrows           in a grid: press the button a cell (Left, Right) or
//                    a row (Up, Down) away, so that the choice follows the
//                    focus; in a calendar (a window with a grid, a combo
//                    and a spinner) past the grid's edges they go on into
//                    the page before or after; on other buttons: move the
//                    focus; Up/Down step a spinner, or choose the line
//                    before or after in a combo
//   Home, End        in a grid: press its first and last button
//   PageUp, PageDown in a calendar: the combo's previous / next line, the
//                    spinner stepped across the combo's ends
//   Shift-PageUp,    in a calendar: step the spinner down / up
//   Shift-PageDown
//   Enter on combo   open its list; in the list Up/Down move, Enter
//                    chooses, Esc closes it
//   letters on a     choose the first line that starts with the letters
//   list combo       typed one after another
//   typing           edits editors, spinners and FreeText combos: entering
//                    a filled field selects its text, which typing
//                    replaces; Left, Right, Home, End, Backspace, Delete,
//                    Ctrl-U (erase to the start). The text is handed to the
//                    widget with one VOKDlgUser::Type when the field is left
//                    (Tab, a click elsewhere, a step) or on Enter, and only
//                    when it changed, so that a half-typed year is never
//                    judged; when that brings up a message box, the key or
//                    click that left the field is not carried out
//   Esc              drops the text being typed, else closes the top window:
//                    Cancel for a dialog that has it, else its close control
//                    (the root window only once a second Esc confirms it);
//                    answers a message box
// Mouse clicks press buttons (a window's OK, Cancel and "x" too), step
// spinners on their arrows, open combos and choose lines of an open list;
// under a modeless top window they also reach the windows below. A double
// click on a grid's button presses it and then the window's OK.
//
// The windows stand as ScreenPlacement.h describes; the last line of the
// screen shows the keys (or Esc's question), and windows too large for the
// screen give way to a notice of the size they need. A window's focus
// request (VOKDlgWindow::RequestFocus) moves the focus.
//
// While a session lives it answers message boxes (VOKDlgNotify): a box is
// drawn over everything and a nested loop runs until the person answers it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "dialog_toolkit/VOKDlgWindow.h"
#include "front_end/FrontEndExport.h"
#include "front_end/session/VOKFrontEndScreen.h"

namespace vok::session {
class Session;
}

class VOK_FRONTEND_API VOKFrontEndSession {
 public:
  VOKFrontEndSession(VOKDlgWindow& root, VOKFrontEndScreen& screen);
  ~VOKFrontEndSession();
  VOKFrontEndSession(const VOKFrontEndSession&) = delete;
  VOKFrontEndSession& operator=(const VOKFrontEndSession&) = delete;

  // Shows the root window and runs until it is hidden or the input ends.
  void Run();

  // What has the focus: the widget's name, "OK" or "Cancel" for a window's
  // own buttons, "" when nothing can take it.
  std::string FocusName() const;

  // Hands each action the person takes to recorder as a line of an action
  // script (front_end/session/ActionLines.h), before the action is taken.
  void SetRecorder(std::function<void(const std::string& line)> recorder);

 private:
  std::unique_ptr<vok::session::Session> _session;
};
