// File: SessionActions.cpp
// Everything the session does to widgets goes through the toolkit's user
// actions here; each is followed by a rebuild, since the action may have
// opened, closed or destroyed windows.
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/layout/WindowParts.h"
#include "front_end/session/ActionLines.h"
#include "front_end/session/ButtonGrid.h"
#include "front_end/session/Session.h"
#include "front_end/session/SessionFields.h"

namespace vok::session {

std::string FieldText(const VOKDialog& field) {
  if (auto* editor = dynamic_cast<const VOKDlgEditor*>(&field)) return editor->GetText().ToUtf8();
  if (auto* spinner = dynamic_cast<const VOKDlgSpinner*>(&field))
    return spinner->GetCurrentText().ToUtf8();
  if (auto* combo = dynamic_cast<const VOKDlgCombo*>(&field)) {
    VOKUnicodeString text;
    combo->GetField(text);
    return text.ToUtf8();
  }
  return "";
}

bool Steps(const VOKDialog& widget) {
  return dynamic_cast<const VOKDlgSpinner*>(&widget) != nullptr ||
         dynamic_cast<const VOKDlgCombo*>(&widget) != nullptr;
}

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
  if (auto* editor = dynamic_cast<VOKDlgEditor*>(field)) VOKDlgUser::Type(editor, text);
  if (auto* spinner = dynamic_cast<VOKDlgSpinner*>(field)) VOKDlgUser::Type(spinner, text);
  if (auto* combo = dynamic_cast<VOKDlgCombo*>(field)) VOKDlgUser::Type(combo, text);
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
  if (auto* combo = dynamic_cast<VOKDlgCombo*>(target->widget)) return openList(*combo);
  if (InButtonGrid(*target->widget)) return pickAndAccept(*target->widget);
  press(*target->widget);
}

void Session::press(VOKDialog& widget) {
  if (auto* button = dynamic_cast<VOKDlgPushButton*>(&widget)) {
    record(PressLine(*button));
    VOKDlgUser::Press(button);
    rebuild();
  }
}

void Session::step(VOKDialog& field, bool up) {
  if (auto* spinner = dynamic_cast<VOKDlgSpinner*>(&field)) {
    record(StepLine(*spinner, up));
    up ? VOKDlgUser::StepUp(spinner) : VOKDlgUser::StepDown(spinner);
    return rebuild();
  }
  auto* combo = dynamic_cast<VOKDlgCombo*>(&field);
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
  if (window::IsMessageBox(window)) {
    record("ok");
    _answered = static_cast<VOKDlgNotify*>(&window);
    return;
  }
  auto* dialog = dynamic_cast<VOKDlgDialog*>(&window);
  if (dialog == nullptr) return;
  record(part == Part::OK ? "ok" : "cancel");
  part == Part::OK ? VOKDlgUser::PressOK(dialog) : VOKDlgUser::PressCancel(dialog);
  rebuild();
}

// A message box is answered; a dialog is cancelled when it has a Cancel
// button, other windows are closed through their close control.
void Session::closeWindow(VOKDlgWindow& window) {
  if (window::IsMessageBox(window)) return pressWindowButton(window, Part::OK);
  if (window::HasCancel(window)) return pressWindowButton(window, Part::Cancel);
  record("close");
  VOKDlgUser::Close(&window);
  rebuild();
}

}  // namespace vok::session
