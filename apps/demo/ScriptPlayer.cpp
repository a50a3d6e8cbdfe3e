// File: ScriptPlayer.cpp
// The replay loop, its nested loop for message boxes and the pictures.
#include "demo/ScriptPlayer.h"

#include <ostream>
#include <utility>

#include "demo/PrintableText.h"
#include "demo/WindowStack.h"
#include "front_end/paint/VOKTextRenderer.h"

namespace vok_demo {

namespace {

// How much of a script line, and of what went wrong with it, is echoed.
constexpr int kLineColumns = 60;
constexpr int kWhyColumns = 160;

}  // namespace

ScriptPlayer::ScriptPlayer(VOKDlgWindow& root, std::vector<std::string> lines, std::ostream& out,
                           std::ostream& errors)
    : _root(root), _lines(std::move(lines)), _out(out), _errors(errors) {
  _previousResponder =
      VOKDlgNotify::SetResponder([this](VOKDlgNotify&, const VOKUnicodeString&,
                                        const VOKUnicodeString&) { return AnswerBox(); });
}

ScriptPlayer::~ScriptPlayer() { VOKDlgNotify::SetResponder(std::move(_previousResponder)); }

int ScriptPlayer::Play() {
  Snapshot();
  ScriptCommand command;
  while (NextCommand(command)) {
    // A box answered by the end of the script leaves nothing new to show.
    if (Carry(command) == Outcome::Done && !_failed && _pictured != _read) Snapshot();
  }
  return _failed ? 1 : 0;
}

// Runs while a message box is shown; its answer is always OK.
int ScriptPlayer::AnswerBox() {
  Snapshot();
  ScriptCommand command;
  while (NextCommand(command)) {
    if (Carry(command) != Outcome::Done || _failed) break;
    Snapshot();
  }
  return 1;
}

// The next action of the script; false at its end or once a line failed.
bool ScriptPlayer::NextCommand(ScriptCommand& command) {
  while (!_failed && _read < _lines.size()) {
    const ScriptLine line = ReadScriptLine(_lines[_read++]);
    if (line.command) {
      command = *line.command;
      return true;
    }
    if (!line.error.empty()) Fail(line.error);
  }
  return false;
}

ScriptPlayer::Outcome ScriptPlayer::Fail(const std::string& why) {
  _errors << "vok_demo: script line " << _read << " (" << Printable(_lines[_read - 1], kLineColumns)
          << "): " << Printable(why, kWhyColumns) << "\n";
  _failed = true;
  return Outcome::Failed;
}

void ScriptPlayer::Snapshot() {
  _pictured = _read;
  if (_read == 0) {
    _out << "== start\n";
  } else {
    _out << "== line " << _read << ": " << Printable(_lines[_read - 1], kLineColumns) << "\n";
  }
  const std::vector<VOKDlgWindow*> windows = ShownWindows(_root);
  _out << (windows.empty() ? std::string("(no window is shown)\n")
                           : VOKTextRenderer::Render(windows));
  _out.flush();
}

bool HoldsActions(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const ScriptLine read = ReadScriptLine(line);
    if (read.command || !read.error.empty()) return true;
  }
  return false;
}

}  // namespace vok_demo
