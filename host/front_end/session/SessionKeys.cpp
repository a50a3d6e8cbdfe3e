// File: SessionKeys.cpp
// What keys and typed characters do.
#include "dialog_toolkit/VOKDlgCombo.h"
#include "front_end/kinds/WidgetKind.h"
#include "front_end/layout/WindowParts.h"
#include "front_end/session/ButtonGrid.h"
#include "front_end/session/Session.h"

namespace vok::session {

void Session::handle(const VOKInputEvent& event) {
  if (_askingToClose && event.kind != VOKInputEvent::Kind::Redraw &&
      event.kind != VOKInputEvent::Kind::Quit) {
    _askingToClose = false;
    if (event.kind == VOKInputEvent::Kind::Key && event.key == VOKKey::Escape)
      closeWindow(top().Window());
    return;
  }
  switch (event.kind) {
    case VOKInputEvent::Kind::Quit:
      _quit = true;
      return;
    case VOKInputEvent::Kind::Redraw:
      return;
    case VOKInputEvent::Kind::Click:
    case VOKInputEvent::Kind::DoubleClick:
      return handleClick(event.x, event.y, event.kind == VOKInputEvent::Kind::DoubleClick);
    case VOKInputEvent::Kind::Character:
      return handleCharacter(event.character);
    case VOKInputEvent::Kind::Key:
      return handleKey(event.key);
  }
}

void Session::handleKey(VOKKey key) {
  if (_list && handleListKey(key)) return;
  if (handleFieldKey(key)) return;
  if (const int moved = GridMove(_chain, _focus, key); moved >= 0) return moveChoice(moved, key);
  switch (key) {
    case VOKKey::Tab:
    case VOKKey::BackTab:
      if (commitDraft()) moveFocus(key == VOKKey::Tab ? 1 : -1);
      return;
    case VOKKey::Escape:
      return handleEscape();
    case VOKKey::Enter:
      return activate();
    case VOKKey::PageUp:
    case VOKKey::PageDown:
      turnPage(key == VOKKey::PageDown);
      return;
    case VOKKey::ShiftPageUp:
    case VOKKey::ShiftPageDown:
      return turnYear(key == VOKKey::ShiftPageDown);
    case VOKKey::Up:
    case VOKKey::Down: {
      if (!commitDraft()) return;
      VOKDialog* widget = focusedWidget();
      if (widget != nullptr && kinds::KindOf(*widget).Steps())
        return step(*widget, key == VOKKey::Up);
      return moveVertically(key == VOKKey::Up);
    }
    case VOKKey::Left:
    case VOKKey::Right:
      return moveFocus(key == VOKKey::Right ? 1 : -1);
    default:
      return;
  }
}

// Esc drops the text being typed, else closes the top window; the last
// window (the one whose closing ends the session) is closed only when a
// second Esc confirms it.
void Session::handleEscape() {
  if (_draft) {
    _draft.reset();
    _entered = true;
    return;
  }
  VOKDlgWindow& window = top().Window();
  if (&window == &_root && !window::HasCancel(window)) {
    _askingToClose = true;
    return;
  }
  closeWindow(window);
}

// Keys of an open combo list; false for the keys it lets through.
bool Session::handleListKey(VOKKey key) {
  const int last = _list->combo->GetLineCount() - 1;
  int& line = _list->highlighted;
  switch (key) {
    case VOKKey::Up:
      line = std::max(line - 1, 0);
      return true;
    case VOKKey::Down:
      line = std::min(line + 1, last);
      return true;
    case VOKKey::Home:
      line = 0;
      return true;
    case VOKKey::End:
      line = last;
      return true;
    case VOKKey::Enter: {
      const OpenList chosen = *_list;
      _list.reset();
      chooseLine(*chosen.combo, chosen.highlighted);
      return true;
    }
    case VOKKey::Tab:
    case VOKKey::BackTab:
      _list.reset();
      return false;
    default:
      _list.reset();
      return true;
  }
}

// Editing keys of the focused field; false when no field has the focus or
// the key does not edit.
bool Session::handleFieldKey(VOKKey key) {
  VOKDialog* field = focusedWidget();
  if (field == nullptr || !VOKTakesTypedText(*field)) return false;
  FieldDraft* draft = nullptr;
  const auto edit = [&]() -> FieldDraft& {
    if (draft == nullptr) draft = &draftFor(*field);
    return *draft;
  };
  switch (key) {
    case VOKKey::Left:
      edit().Left();
      return true;
    case VOKKey::Right:
      edit().Right();
      return true;
    case VOKKey::Home:
      edit().Home();
      return true;
    case VOKKey::End:
      edit().End();
      return true;
    case VOKKey::Backspace:
      edit().EraseBefore();
      return true;
    case VOKKey::Delete:
      edit().EraseAfter();
      return true;
    case VOKKey::EraseToStart:
      edit().EraseToStart();
      return true;
    default:
      return false;
  }
}

void Session::handleCharacter(char32_t character) {
  VOKDialog* widget = focusedWidget();
  if (widget != nullptr && VOKTakesTypedText(*widget)) return draftFor(*widget).Insert(character);
  if (character == U' ') return activate();
  if (widget == nullptr) return;
  if (VOKDlgCombo* combo = kinds::KindOf(*widget).List(*widget)) typeAhead(*combo, character);
}

void Session::moveFocus(int step) {
  if (!_chain.empty()) setFocus(TabMove(_chain, _focus, step));
}

void Session::moveVertically(bool up) {
  const Target* target = focus();
  if (target == nullptr) return;
  const int index = Vertical(_chain, target->rect, up);
  if (index >= 0) setFocus(index);
}

}  // namespace vok::session
