// File: ScriptActions.cpp
// Carrying out one script action on the window on top, through the
// toolkit's user actions.
#include <cstdlib>
#include <string>

#include "demo/ScriptPlayer.h"
#include "demo/WidgetLookup.h"
#include "demo/WindowStack.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "dialog_toolkit/VOKDlgDialog.h"
#include "dialog_toolkit/VOKDlgEditor.h"
#include "dialog_toolkit/VOKDlgSpinner.h"
#include "dialog_toolkit/VOKDlgUser.h"
#include "front_end/layout/VOKLayout.h"

namespace vok_demo {
namespace {

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// "no <kind> "<name>" in the window "<title>""
std::string Missing(const char* kind, const std::string& name, const VOKDlgWindow& window) {
  return std::string("no ") + kind + " " + Quoted(name) + " in the window " +
         Quoted(WindowLabel(window));
}

std::string Unusable(const char* kind, const std::string& name) {
  return std::string("the ") + kind + " " + Quoted(name) +
         " cannot be used: it is hidden or greyed out";
}

// The combo line a script names: a line's exact text, else its number
// counted from 1; -1 when neither.
int ComboLine(const VOKDlgCombo& combo, const std::string& text) {
  for (int line = 0; line < combo.GetLineCount(); ++line) {
    if (combo.GetLine(line).ToUtf8() == text) return line;
  }
  const bool number = !text.empty() && text.size() <= 4 &&
                      text.find_first_not_of("0123456789") == std::string::npos;
  const int counted = number ? std::atoi(text.c_str()) : 0;
  return counted >= 1 && counted <= combo.GetLineCount() ? counted - 1 : -1;
}

// A combo whose typed text must name one of its lines.
bool IsList(const VOKDlgCombo& combo) {
  return (combo.GetStyle() & VOKDlgStyle::Editable) != 0 && !VOKTakesTypedText(combo);
}

}  // namespace

ScriptPlayer::Outcome ScriptPlayer::Carry(const ScriptCommand& command) {
  VOKDlgWindow* window = VOKDlgUser::TopWindow(_root);
  if (window == nullptr) return Fail("no window is shown");
  switch (command.verb) {
    case ScriptCommand::Verb::Press:
      return Press(*window, command);
    case ScriptCommand::Verb::Type:
      return Type(*window, command);
    case ScriptCommand::Verb::Choose:
      return Choose(*window, command);
    case ScriptCommand::Verb::Step:
      return Step(*window, command);
    default:
      return Answer(*window, command.verb);
  }
}

ScriptPlayer::Outcome ScriptPlayer::Press(VOKDlgWindow& window, const ScriptCommand& command) {
  VOKDlgPushButton* button = FindButton(window, command.widget);
  if (button == nullptr) {
    return Fail(Missing("button", command.widget, window));
  }
  if (!VOKDlgUser::Press(button)) {
    return Fail("the button " + Quoted(command.widget) +
                " cannot be pressed: it is hidden or greyed out");
  }
  return Outcome::Done;
}

ScriptPlayer::Outcome ScriptPlayer::Type(VOKDlgWindow& window, const ScriptCommand& command) {
  VOKDialog* widget = FindWidget(window, command.widget);
  const VOKUnicodeString text(command.argument);
  bool typed = false;
  if (auto* editor = dynamic_cast<VOKDlgEditor*>(widget)) {
    typed = VOKDlgUser::Type(editor, text);
  } else if (auto* combo = dynamic_cast<VOKDlgCombo*>(widget)) {
    typed = VOKDlgUser::Type(combo, text);
    if (!typed && combo->IsReachable() && IsList(*combo)) {
      return Fail("the list " + Quoted(command.widget) + " has no line " +
                  Quoted(command.argument));
    }
  } else if (auto* spinner = dynamic_cast<VOKDlgSpinner*>(widget)) {
    typed = VOKDlgUser::Type(spinner, text);
  } else {
    return Fail(Missing("editor, combo or spinner", command.widget, window));
  }
  if (!typed) {
    return Fail(Quoted(command.widget) +
                " takes no typing: it is hidden, greyed out or not editable");
  }
  return Outcome::Done;
}

ScriptPlayer::Outcome ScriptPlayer::Choose(VOKDlgWindow& window, const ScriptCommand& command) {
  auto* combo = dynamic_cast<VOKDlgCombo*>(FindWidget(window, command.widget));
  if (combo == nullptr) {
    return Fail(Missing("combo", command.widget, window));
  }
  const int line = ComboLine(*combo, command.argument);
  if (line < 0) {
    return Fail("the combo " + Quoted(command.widget) + " has no line " + Quoted(command.argument) +
                " (give a line's text or a number from 1 to " +
                std::to_string(combo->GetLineCount()) + ")");
  }
  if (!VOKDlgUser::Choose(combo, line)) {
    return Fail(Unusable("combo", command.widget));
  }
  return Outcome::Done;
}

ScriptPlayer::Outcome ScriptPlayer::Step(VOKDlgWindow& window, const ScriptCommand& command) {
  auto* spinner = dynamic_cast<VOKDlgSpinner*>(FindWidget(window, command.widget));
  if (spinner == nullptr) {
    return Fail(Missing("spinner", command.widget, window));
  }
  const bool stepped =
      command.argument == "up" ? VOKDlgUser::StepUp(spinner) : VOKDlgUser::StepDown(spinner);
  if (!stepped) {
    return Fail(Unusable("spinner", command.widget));
  }
  return Outcome::Done;
}

// ok, cancel and close. A message box on top is answered by ok and close.
ScriptPlayer::Outcome ScriptPlayer::Answer(VOKDlgWindow& window, ScriptCommand::Verb verb) {
  const std::string label = Quoted(WindowLabel(window));
  if (dynamic_cast<VOKDlgNotify*>(&window) != nullptr) {
    if (verb == ScriptCommand::Verb::Cancel) {
      return Fail("the message box " + label + " has only OK: answer it with ok or close");
    }
    return Outcome::AnswerBox;
  }
  auto* dialog = dynamic_cast<VOKDlgDialog*>(&window);
  switch (verb) {
    case ScriptCommand::Verb::OK:
      if (!VOKDlgUser::PressOK(dialog)) return Fail("the window " + label + " has no OK button");
      break;
    case ScriptCommand::Verb::Cancel:
      if (!VOKDlgUser::PressCancel(dialog)) {
        return Fail("the window " + label + " has no Cancel button");
      }
      break;
    default:
      if (!VOKDlgUser::Close(&window)) return Fail("the window " + label + " has no close control");
  }
  return Outcome::Done;
}

}  // namespace vok_demo
