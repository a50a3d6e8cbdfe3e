// File: ActionLines.h
// Internal to the front end: the actions a person takes, written as lines
// of an action script that a host can keep and replay:
//   press BUTTON | type WIDGET TEXT | choose COMBO LINE |
//   step SPINNER up|down | ok | cancel | close
// Widgets are named by their names, a grid's buttons (a calendar's days)
// by their labels. A name or text is written bare when it reads back as
// itself; otherwise, and when it is empty, it is written in double quotes
// with \" \\ \t \n and \r escaped inside.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base_runtime/HostExport.h"
#include "dialog_toolkit/VOKDialog.h"
#include "dialog_toolkit/VOKDlgCombo.h"

namespace vok::session {

std::string PressLine(const VOKDialog& button);
std::string TypeLine(const VOKDialog& field, std::string_view text);
// The line named by its text, or by its number counted from 1 when its
// text is empty or an earlier line has the same text.
std::string ChooseLine(const VOKDlgCombo& combo, int line);
std::string StepLine(const VOKDialog& spinner, bool up);

// A word or text as a line writes it: a word is quoted also when it holds
// a blank.
VOK_HOST_API std::string QuoteWord(std::string_view word);
VOK_HOST_API std::string QuoteText(std::string_view text);

// Reads the quoted text that starts text; nullopt when its closing quote
// is missing or an escape is unknown.
struct QuotedText {
  std::string text;       // without the quotes, escapes undone
  std::string_view rest;  // what follows the closing quote
};
VOK_HOST_API std::optional<QuotedText> ReadQuoted(std::string_view text);

}  // namespace vok::session
