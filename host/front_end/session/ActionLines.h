// File: ActionLines.h
// Internal to the front end: the actions a person takes, written as lines
// of an action script that a host can keep and replay:
//   press BUTTON | type WIDGET TEXT | choose COMBO LINE |
//   step SPINNER up|down | ok | cancel | close
// Widgets are named by their names, a grid's buttons (a calendar's days)
// by their labels; names and texts are quoted as VOKScriptText.h says.
#pragma once

#include <string>
#include <string_view>

#include "dialog_toolkit/VOKDialog.h"
#include "dialog_toolkit/VOKDlgCombo.h"
#include "front_end/session/VOKScriptText.h"

namespace vok::session {

std::string PressLine(const VOKDialog& button);
std::string TypeLine(const VOKDialog& field, std::string_view text);
// The line named by its text, or by its number counted from 1 when its
// text is empty or an earlier line has the same text.
std::string ChooseLine(const VOKDlgCombo& combo, int line);
std::string StepLine(const VOKDialog& spinner, bool up);

}  // namespace vok::session
