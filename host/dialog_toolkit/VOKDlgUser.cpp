// File: VOKDlgUser.cpp
// The user's actions. Each one refuses a widget the user cannot reach,
// updates what the user changed, then lets the widget send its
// notification to itself.
#include "dialog_toolkit/VOKDlgUser.h"

#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgPushButton.h"
#include "dialog_toolkit/VOKDlgSpinner.h"

namespace {

bool reachable(const VOKDialog* widget) { return widget != nullptr && widget->IsReachable(); }

bool reachableWith(const VOKDialog* widget, std::uint64_t styleBit) {
  return reachable(widget) && (widget->GetStyle() & styleBit) != 0;
}

bool send(VOKDialog* widget, VOKNotification* notification) {
  widget->SendNotification(widget, notification);
  return true;
}

}  // namespace

bool VOKDlgUser::Press(VOKDlgPushButton* button) {
  if (!reachable(button)) return false;
  return send(button, button->GetPushBActivateNotification());
}

bool VOKDlgUser::Choose(VOKDlgCombo* combo, int line) {
  if (!reachable(combo) || line < 0 || line >= combo->GetLineCount()) return false;
  combo->SetSelect(line, 1);
  return send(combo, combo->GetComboSelectNotification());
}

bool VOKDlgUser::Type(VOKDlgCombo* combo, const VOKUnicodeString& text) {
  if (!reachableWith(combo, VOKDlgStyle::Editable)) return false;
  if ((combo->GetStyle() & VOKDlgStyle::FreeText) == 0) return Choose(combo, combo->FindLine(text));
  combo->SetField(text);
  return send(combo, combo->GetComboModifyNotification());
}

bool VOKDlgUser::Type(VOKDlgEditor* editor, const VOKUnicodeString& text) {
  if (!reachable(editor)) return false;
  editor->SetText(text, 0);
  return send(editor, editor->GetEditModifyNotification());
}

bool VOKDlgUser::Type(VOKDlgSpinner* spinner, const VOKUnicodeString& text) {
  if (!reachableWith(spinner, VOKDlgStyle::Editable)) return false;
  spinner->SetCurrentText(text, 0);
  return send(spinner, spinner->GetSpinnerModifyNotification());
}

bool VOKDlgUser::StepUp(VOKDlgSpinner* spinner) {
  if (!reachable(spinner)) return false;
  return send(spinner, spinner->GetSpinnerBtnUpNotification());
}

bool VOKDlgUser::StepDown(VOKDlgSpinner* spinner) {
  if (!reachable(spinner)) return false;
  return send(spinner, spinner->GetSpinnerBtnDownNotification());
}

bool VOKDlgUser::PressOK(VOKDlgDialog* dialog) {
  if (!reachableWith(dialog, VOKDlgStyle::OKButton)) return false;
  return send(dialog, dialog->GetDiaOKNotification());
}

bool VOKDlgUser::PressCancel(VOKDlgDialog* dialog) {
  if (!reachableWith(dialog, VOKDlgStyle::CancelButton)) return false;
  return send(dialog, dialog->GetDiaCANCELNotification());
}

bool VOKDlgUser::Close(VOKDlgWindow* window) {
  if (!reachableWith(window, VOKDlgStyle::CloseControl)) return false;
  return send(window, window->GetWindCloseNotification());
}
