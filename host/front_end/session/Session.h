// File: Session.h
// Internal to the front end: the state and the handlers behind
// VOKFrontEndSession.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "front_end/layout/LayoutInputs.h"
#include "front_end/layout/VOKDropList.h"
#include "front_end/layout/VOKLayout.h"
#include "front_end/session/FieldDraft.h"
#include "front_end/session/FocusChain.h"
#include "front_end/session/ShownPicture.h"
#include "front_end/session/VOKFrontEndScreen.h"

namespace vok::session {

class Session {
 public:
  Session(VOKDlgWindow& root, VOKFrontEndScreen& screen);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  void Run();
  std::string FocusName() const;
  void SetRecorder(std::function<void(const std::string&)> recorder);

 private:
  // The focus a window had when another one came over it.
  struct Remembered {
    Target target;
  };
  struct Draft {
    VOKDialog* field;
    FieldDraft text;
  };
  struct OpenList {
    VOKDlgCombo* combo;
    int highlighted;
  };

  // Session.cpp: the loops, the picture, the focus.
  template <class Done>
  void loop(Done done);
  int answerBox(VOKDlgNotify& box);
  // The windows, their places, the focus chain of the top window, read
  // afresh from the toolkit. Runs after every user action: an action may
  // open, close or destroy windows, so the windows are laid out again
  // whenever what their layout depends on changed.
  void rebuild();
  void layOut(const std::vector<VOKDlgWindow*>& windows, VOKCellSize screen);
  std::vector<VOKDlgWindow*> stack();
  void restoreFocus();
  int firstFocus() const;
  void show();
  void paintWindows(VOKScreenView& view);
  void paintDraft(VOKCanvas& canvas, VOKScreenView& view) const;
  void paintList(VOKCanvas& canvas, VOKScreenView& view);
  std::string statusLine() const;
  const VOKWindowLayout& top() const { return _windows.back(); }
  const Target* focus() const;
  // The focused widget; null when nothing or a window's own button has it.
  VOKDialog* focusedWidget() const;
  void setFocus(int index);

  // SessionKeys.cpp
  void handle(const VOKInputEvent& event);
  void handleKey(VOKKey key);
  bool handleListKey(VOKKey key);
  bool handleFieldKey(VOKKey key);
  void handleCharacter(char32_t character);
  void handleEscape();
  void moveFocus(int step);
  void moveVertically(bool up);

  // SessionCalendar.cpp: the keys of windows that hold a button grid.
  void pickAndAccept(VOKDialog& button);
  void moveChoice(int index, VOKKey key);
  void pickDay(VOKDialog& button);
  void crossMonth(VOKKey key);
  bool focusInGrid() const;
  void focusChosen();
  bool turnPage(bool forward);
  void turnYear(bool forward);
  bool stepYear(bool forward);
  void typeAhead(VOKDlgCombo& combo, char32_t character);

  // SessionClicks.cpp
  void handleClick(int x, int y, bool twice);
  void clickList(int x, int y);
  void clickWindow(const VOKWindowLayout& window, int x, int y, bool isTop, bool twice);
  void clickWidget(VOKDialog& widget, const VOKCellRect& rect, int x, bool isTop, bool twice);

  // SessionRecorder.cpp: hands the line of an action about to be taken to
  // the recorder, before the action, which may open a message box.
  void record(const std::string& line) const;

  // SessionActions.cpp: everything that ends in a user action.
  void activate();
  void press(VOKDialog& widget);
  void step(VOKDialog& field, bool up);
  void openList(VOKDlgCombo& combo);
  void chooseLine(VOKDlgCombo& combo, int line);
  void closeWindow(VOKDlgWindow& window);
  void pressWindowButton(VOKDlgWindow& window, Part part);
  FieldDraft& draftFor(VOKDialog& field);
  // Hands typed text over; false when that brought up a message box, which
  // cancels the action that left the field.
  bool commitDraft();

  VOKDlgWindow& _root;
  VOKFrontEndScreen& _screen;
  std::function<void(const std::string&)> _recorder;
  VOKDlgNotify::Responder _previousResponder;
  std::vector<VOKDlgNotify*> _boxes;
  VOKDlgNotify* _answered = nullptr;
  int _boxesShown = 0;
  bool _quit = false;
  bool _askingToClose = false;

  std::vector<VOKWindowLayout> _windows;
  layout::LayoutInputs _laidFrom;  // what _windows were laid out from
  ShownPicture _shown;
  std::vector<Target> _chain;
  int _focus = -1;
  std::map<const VOKDlgWindow*, Remembered> _remembered;
  std::optional<Draft> _draft;
  Target _entry;  // the focus when it last moved
  // The focused field was just entered: its whole text is selected.
  bool _entered = false;
  std::u32string _typedAhead;  // typed into the focused list combo
  std::optional<OpenList> _list;
  // Set when the windows do not fit on the screen.
  std::string _tooSmall;
};

}  // namespace vok::session
