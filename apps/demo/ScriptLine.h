// File: ScriptLine.h
// One line of a demo script, read into the user action it names.
//   press BUTTON | type WIDGET TEXT | choose COMBO LINE |
//   step SPINNER up|down | ok | cancel | close
// Blank lines and lines starting with "#" hold no action.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vok_demo {

struct ScriptCommand {
  enum class Verb { Press, Type, Choose, Step, OK, Cancel, Close };
  Verb verb = Verb::OK;
  std::string widget;    // the button, widget, combo or spinner named
  std::string argument;  // type: the text; choose: the line; step: up or down
};

struct ScriptLine {
  std::optional<ScriptCommand> command;  // none: blank, comment or error
  std::string error;                     // why the line is not an action
};

ScriptLine ReadScriptLine(std::string_view line);

}  // namespace vok_demo
