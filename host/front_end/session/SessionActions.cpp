// File: SessionActions.cpp
// Everything the session does to widgets goes through the toolkit's user
// actions here; each is followed by a rebuild, since the action may have
// opened, closed or destroyed windows.
#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/kinds/WidgetKind.h"
#include "front_end/layout/WindowParts.h"
#include "front_end/session/ActionLines.h"
#include "front_end/session/ButtonGrid.h"
#include "front_end/session/Session.h"
#include "front_end/session/SessionFields.h"

namespace vok::session {

std::string FieldText(const VOKDialog& field) { return kinds::KindOf(field).Text(field); }

// A field just entered starts its draft with all its text selected.
FieldDraft& Session::draftFor(VOKDialog& field) {
  if (!_draft || _draft->field != &field) {
    _draft.emplace(Draft{&field, FieldDraft(FieldText(field), _entered)});
    _entered = false;
  }
  return _draft->text;
}

// The draft is dropped before the text goes out: the widget's handler may
// open a message box, whose loop must not see it.
bool Session::commitDraft() {
  if (!_draft) return true;
  VOKDialog* field = _draft->field;
  const VOKUnicodeString text(_draft->text.Text());
  _draft.reset();
  if (text == FieldText(*field).c_str()) return true;
  const int boxes = _boxesShown;
  record(TypeLine(*field, text.ToUtf8()));
  kinds::KindOf(*field).Type(*field, text);
  rebuild();
  if (boxes == _boxesShown) return true;
  _entered = true;  // what the field shows now is selected, to be typed over
  return false;
}

// Enter (or a blank on a button): a field with typed text hands it over;
// otherwise buttons are pressed (a grid's button picked and accepted) and
// combos open their list.
void Session::activate() {
  if (_draft) {
    commitDraft();
    return;
  }
  const Target* target = focus();
  if (target == nullptr) return;
  if (target->part != Part::Widget) {
    return pressWindowButton(*static_cast<VOKDlgWindow*>(target->widget), target->part);
  }
  if (VOKDlgCombo* combo = kinds::KindOf(*target->widget).List(*target->widget))
    return openList(*combo);
  if (target->inGrid) return pickAndAccept(*target->widget);
  press(*target->widget);
}

void Session::press(VOKDialog& widget) {
  const kinds::WidgetKind& kind = kinds::KindOf(widget);
  if (!kind.IsButton()) return;
  record(PressLine(widget));
  kind.Press(widget);
  rebuild();
}

void Session::step(VOKDialog& field, bool up) {
  const kinds::WidgetKind& kind = kinds::KindOf(field);
  VOKDlgCombo* combo = kind.List(field);
  if (combo == nullptr && kind.Steps()) {
    record(StepLine(field, up));
    kind.Step(field, up);
    return rebuild();
  }
  if (combo == nullptr || combo->GetLineCount() == 0) return;
  const int selected = combo->GetSelect();
  const int line =
      selected < 0 ? 0 : std::clamp(selected + (up ? -1 : 1), 0, combo->GetLineCount() - 1);
  if (line != selected) chooseLine(*combo, line);
}

void Session::openList(VOKDlgCombo& combo) {
  if (combo.GetLineCount() > 0 && combo.IsReachable())
    _list = OpenList{&combo, std::max(combo.GetSelect(), 0)};
}

void Session::chooseLine(VOKDlgCombo& combo, int line) {
  record(ChooseLine(combo, line));
  VOKDlgUser::Choose(&combo, line);
  rebuild();
}

void Session::pressWindowButton(VOKDlgWindow& window, Part part) {
  if (VOKIsMessageBox(window)) {
    record("ok");
    _answered = static_cast<VOKDlgNotify*>(&window);
    return;
  }
  const kinds::WidgetKind& kind = kinds::KindOf(window);
  if (!kind.HasOwnButtons()) return;
  record(part == Part::OK ? "ok" : "cancel");
  kind.Answer(window, part == Part::OK);
  rebuild();
}

// A message box is answered; a dialog is cancelled when it has a Cancel
// button, other windows are closed through their close control.
void Session::closeWindow(VOKDlgWindow& window) {
  if (VOKIsMessageBox(window)) return pressWindowButton(window, Part::OK);
  if (window::HasCancel(window)) return pressWindowButton(window, Part::Cancel);
  record("close");
  VOKDlgUser::Close(&window);
  rebuild();
}

}  // namespace vok::session
