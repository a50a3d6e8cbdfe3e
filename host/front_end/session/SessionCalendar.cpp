// File: SessionCalendar.cpp
// The keys of windows built like a calendar: a grid of day buttons, a
// combo of months and a spinner of years. The chosen day follows the
// focus: arrows, Home and End press the day they move to. Enter, Space or
// a double click on a day picks it and accepts the window as OK does;
// PageUp and PageDown choose the previous or next line of the combo,
// stepping the spinner across the year's ends, Shift with them steps the
// spinner; typing into a list combo jumps to the line that starts with
// what was typed.
#include <algorithm>

#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/layout/VOKCalendarDays.h"
#include "front_end/layout/WindowParts.h"
#include "front_end/session/ActionLines.h"
#include "front_end/session/ButtonGrid.h"
#include "front_end/session/Session.h"
#include "front_end/text/VOKCellText.h"

namespace vok::session {

namespace {

// Whether a step of the spinner would leave its range (when it has one).
bool atEnd(const VOKDlgSpinner& spinner, bool up) {
  int value = 0;
  if (spinner.GetMinimum() >= spinner.GetMaximum() ||
      !spinner.GetCurrentText().ConvertToNum(&value, "%d")) {
    return false;
  }
  return up ? static_cast<float>(value) >= spinner.GetMaximum()
            : static_cast<float>(value) <= spinner.GetMinimum();
}

}  // namespace

// The chosen (greyed) button cannot be pressed again: OK alone accepts it.
void Session::pickAndAccept(VOKDialog& button) {
  VOKDlgWindow& window = top().Window();
  if (button.IsReachable()) press(button);
  if (&top().Window() == &window && window::HasOK(window)) pressWindowButton(window, Part::OK);
}

// The choice follows the focus: a key that moves inside the grid presses
// the button it reaches, as a click would; at the grid's edge an arrow
// goes on into the month before or after.
void Session::moveChoice(int index, VOKKey key) {
  if (index == _focus) return crossMonth(key);
  pickDay(*_chain[static_cast<std::size_t>(index)].widget);
}

// The press may bring up a message box or close the window; the focus
// goes to the button only while its window stays on top.
void Session::pickDay(VOKDialog& button) {
  VOKDlgWindow& window = top().Window();
  if (button.IsReachable()) press(button);
  if (&top().Window() != &window) return;
  const int index = IndexOf(_chain, Target{&button, Part::Widget, {}});
  if (index >= 0) setFocus(index);
}

// Left from the first day, Right from the last, Up from the first week and
// Down from the last go a day or a week on into the next page.
void Session::crossMonth(VOKKey key) {
  const int offset = key == VOKKey::Left    ? -1
                     : key == VOKKey::Right ? 1
                     : key == VOKKey::Up    ? -7
                     : key == VOKKey::Down  ? 7
                                            : 0;
  int day = 0;
  if (offset == 0 || !focusedWidget()->GetTitle().ConvertToNum(&day, "%d")) return;
  const auto daysShown = [this] {
    return std::count_if(_chain.begin(), _chain.end(), [](const Target& target) {
      return target.part == Part::Widget && target.inGrid;
    });
  };
  const auto before = static_cast<int>(daysShown());
  if (!turnPage(offset > 0)) return;
  day = offset > 0 ? day + offset - before : day + offset + static_cast<int>(daysShown());
  for (const Target& target : _chain) {
    if (target.part == Part::Widget && target.inGrid &&
        target.widget->GetTitle() == std::to_string(day).c_str()) {
      return pickDay(*target.widget);
    }
  }
}

// Whether the focus is on a grid's button.
bool Session::focusInGrid() const {
  const Target* target = focus();
  return target != nullptr && target->part == Part::Widget && target->inGrid;
}

void Session::focusChosen() {
  if (const int chosen = ChosenInGrid(_chain); chosen >= 0) setFocus(chosen);
}

// True when the page turned.
bool Session::turnPage(bool forward) {
  if (!commitDraft()) return false;
  const std::optional<calendar::CalendarParts> calendar = calendar::CalendarOf(top().Window());
  if (!calendar || !calendar->months->IsReachable() || ChosenInGrid(_chain) < 0) return false;
  VOKDlgCombo* combo = calendar->months;
  const bool inGrid = focusInGrid();
  int line = std::max(combo->GetSelect(), 0) + (forward ? 1 : -1);
  if (line < 0 || line >= combo->GetLineCount()) {
    if (!stepYear(forward)) return false;
    line = forward ? 0 : combo->GetLineCount() - 1;
  }
  chooseLine(*combo, line);
  if (inGrid) focusChosen();
  return true;
}

void Session::turnYear(bool forward) {
  if (!commitDraft() || ChosenInGrid(_chain) < 0) return;
  const bool inGrid = focusInGrid();
  if (stepYear(forward) && inGrid) focusChosen();
}

// Steps the calendar's spinner; false at the end of its range or when the
// step brought up a message box.
bool Session::stepYear(bool forward) {
  const std::optional<calendar::CalendarParts> calendar = calendar::CalendarOf(top().Window());
  if (!calendar || !calendar->years->IsReachable() || atEnd(*calendar->years, forward))
    return false;
  VOKDlgSpinner* spinner = calendar->years;
  const int boxes = _boxesShown;
  record(StepLine(*spinner, forward));
  forward ? VOKDlgUser::StepUp(spinner) : VOKDlgUser::StepDown(spinner);
  rebuild();
  return boxes == _boxesShown;
}

// Letters typed one after another name a line by its start ("jun" is
// June, "jul" July); a letter that continues no line starts a new name.
void Session::typeAhead(VOKDlgCombo& combo, char32_t character) {
  _typedAhead += character;
  int line = combo.FindLineStartingWith(VOKUnicodeString(VOKEncodeUtf8(_typedAhead)));
  if (line < 0) {
    _typedAhead = std::u32string(1, character);
    line = combo.FindLineStartingWith(VOKUnicodeString(VOKEncodeUtf8(_typedAhead)));
  }
  if (line < 0) {
    _typedAhead.clear();
    return;
  }
  if (line != combo.GetSelect()) chooseLine(combo, line);
}

}  // namespace vok::session
