// File: SessionCalendar.cpp
// The keys of windows built like a calendar: a grid of day buttons, a
// combo of months and a spinner of years. Enter, Space or a double click
// on a day picks it and accepts the window as OK does; PageUp and PageDown
// choose the previous or next line of the combo, stepping the spinner
// across the year's ends; typing into a list combo jumps to the line that
// starts with what was typed.
#include <algorithm>

#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/layout/WindowParts.h"
#include "front_end/session/ButtonGrid.h"
#include "front_end/session/Session.h"
#include "front_end/text/VOKCellText.h"

namespace vok::session {

namespace {

template <class Widget>
Widget* firstOf(const VOKWindowLayout& window) {
  for (const VOKLaidWidget& laid : window.Widgets()) {
    if (auto* widget = dynamic_cast<Widget*>(laid.widget); widget && widget->IsReachable())
      return widget;
  }
  return nullptr;
}

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

void Session::turnPage(bool forward) {
  if (!commitDraft()) return;
  auto* combo = firstOf<VOKDlgCombo>(top());
  const bool grid = std::any_of(_chain.begin(), _chain.end(), [](const Target& target) {
    return target.part == Part::Widget && InButtonGrid(*target.widget);
  });
  if (combo == nullptr || !grid || combo->GetLineCount() == 0) return;
  const Target* target = focus();
  const std::string cursor =
      target != nullptr && target->part == Part::Widget && InButtonGrid(*target->widget)
          ? target->widget->GetTitle().ToUtf8()
          : "";
  int line = std::max(combo->GetSelect(), 0) + (forward ? 1 : -1);
  if (line < 0 || line >= combo->GetLineCount()) {
    auto* spinner = firstOf<VOKDlgSpinner>(top());
    if (spinner == nullptr || atEnd(*spinner, forward)) return;
    const int boxes = _boxesShown;
    forward ? VOKDlgUser::StepUp(spinner) : VOKDlgUser::StepDown(spinner);
    rebuild();
    if (boxes != _boxesShown) return;
    line = forward ? 0 : combo->GetLineCount() - 1;
  }
  chooseLine(*combo, line);
  if (!cursor.empty()) focusGridTitle(cursor);
}

// The cursor stays on the same day, or the last one of a shorter month.
void Session::focusGridTitle(const std::string& title) {
  int last = -1;
  for (std::size_t i = 0; i < _chain.size(); ++i) {
    const Target& target = _chain[i];
    if (target.part != Part::Widget || !InButtonGrid(*target.widget)) continue;
    last = static_cast<int>(i);
    if (target.widget->GetTitle().ToUtf8() == title) return setFocus(last);
  }
  if (last >= 0) setFocus(last);
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
