// File: ScriptPlayer.h
// Replays a demo script: each line is a user action on the window on top,
// carried out through the toolkit's user actions, and followed by a
// picture of the shown windows. A message box opened by an action runs a
// nested loop over the next lines until one of them answers it (ok or
// close), as a person would answer it before doing anything else.
//
// The picture after a line is headed "== line N: <line>", the first one
// "== start". A line that cannot be carried out ends the run with
// "vok_demo: script line N (<line>): <why>" on the error stream; a message
// box open at that moment, or at the end of the script, is answered OK.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "demo/ScriptLine.h"
#include "dialog_toolkit/VOKDlgNotify.h"
#include "dialog_toolkit/VOKDlgWindow.h"

namespace vok_demo {

class ScriptPlayer {
 public:
  ScriptPlayer(VOKDlgWindow& root, std::vector<std::string> lines, std::ostream& out,
               std::ostream& errors);
  ScriptPlayer(const ScriptPlayer&) = delete;
  ScriptPlayer& operator=(const ScriptPlayer&) = delete;
  // Gives message boxes back to the responder that answered them before.
  ~ScriptPlayer();

  // 0 when every line was carried out, 1 when one failed.
  int Play();

 private:
  enum class Outcome { Done, AnswerBox, Failed };

  bool NextCommand(ScriptCommand& command);
  int AnswerBox();
  Outcome Carry(const ScriptCommand& command);
  Outcome Press(VOKDlgWindow& window, const ScriptCommand& command);
  Outcome Type(VOKDlgWindow& window, const ScriptCommand& command);
  Outcome Choose(VOKDlgWindow& window, const ScriptCommand& command);
  Outcome Step(VOKDlgWindow& window, const ScriptCommand& command);
  Outcome Answer(VOKDlgWindow& window, ScriptCommand::Verb verb);
  Outcome Fail(const std::string& why);
  void Snapshot();

  VOKDlgWindow& _root;
  std::vector<std::string> _lines;
  std::size_t _read = 0;      // lines read so far; the current line is the last
  std::size_t _pictured = 0;  // _read at the last picture
  bool _failed = false;
  std::ostream& _out;
  std::ostream& _errors;
  VOKDlgNotify::Responder _previousResponder;
};

// Whether the lines hold any action (not only blanks and comments).
bool HoldsActions(const std::vector<std::string>& lines);

}  // namespace vok_demo
