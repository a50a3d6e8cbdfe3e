// File: VOKFrontEndSession.h
// A person working with windows through a screen: the session draws the
// windows, keeps the keyboard focus, and turns keys and clicks into the
// toolkit's user actions (VOKDlgUser), the only way it acts on widgets.
//
// Keys:
//   Tab, Shift-Tab   focus to the next / previous shown, usable widget of
//                    the top window, its OK and Cancel buttons included
//   Enter, Space     press the focused button (OK and Cancel too)
//   arrows           on buttons: move the focus (up, down, left, right);
//                    Up/Down step a spinner, or choose the line before or
//                    after in a combo
//   Enter on combo   open its list; in the list Up/Down move, Enter
//                    chooses, Esc closes it
//   typing           edits editors, editable combos and spinners (Left,
//                    Right, Home, End, Backspace, Delete); the text is handed
//                    to the widget with one VOKDlgUser::Type when the field
//                    is left (Tab, a click elsewhere, a step) or on Enter,
//                    and only when it changed, so that a half-typed year is
//                    never judged
//   Esc              drops the text being typed, else closes the top window:
//                    Cancel for a dialog that has it, else its close control;
//                    answers a message box
// Mouse clicks press buttons (a window's OK, Cancel and "x" too), step
// spinners on their arrows, open combos and choose lines of an open list;
// under a modeless top window they also reach the windows below.
//
// While a session lives it answers message boxes (VOKDlgNotify): a box is
// drawn over everything and a nested loop runs until the person answers it.
#pragma once

#include <memory>
#include <string>

#include "base_runtime/HostExport.h"
#include "VOKFrontEndScreen.h"
#include "dialog_toolkit/VOKDlgWindow.h"

namespace vok::session {
class Session;
}

class VOK_HOST_API VOKFrontEndSession {
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

 private:
  std::unique_ptr<vok::session::Session> _session;
};
