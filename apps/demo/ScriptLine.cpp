// File: ScriptLine.cpp
#include "demo/ScriptLine.h"

#include <algorithm>
#include <array>
#include <utility>

#include "front_end/session/VOKScriptText.h"

namespace vok_demo {
namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The first word of text, and what follows the blanks after it.
std::pair<std::string_view, std::string_view> FirstWord(std::string_view text) {
  const std::size_t end = std::min(text.find_first_of(kBlanks), text.size());
  const std::string_view rest = text.substr(end);
  const std::size_t next = rest.find_first_not_of(kBlanks);
  return {text.substr(0, end), next == std::string_view::npos ? "" : rest.substr(next)};
}

struct VerbSyntax {
  std::string_view word;
  ScriptCommand::Verb verb;
  std::string_view usage;  // "" for verbs that take nothing
};

constexpr std::array<VerbSyntax, 7> kVerbs{{
    {"press", ScriptCommand::Verb::Press, "press BUTTON"},
    {"type", ScriptCommand::Verb::Type, "type WIDGET TEXT"},
    {"choose", ScriptCommand::Verb::Choose, "choose COMBO LINE"},
    {"step", ScriptCommand::Verb::Step, "step SPINNER up|down"},
    {"ok", ScriptCommand::Verb::OK, ""},
    {"cancel", ScriptCommand::Verb::Cancel, ""},
    {"close", ScriptCommand::Verb::Close, ""},
}};

const VerbSyntax* FindVerb(std::string_view word) {
  for (const VerbSyntax& syntax : kVerbs) {
    if (syntax.word == word) return &syntax;
  }
  return nullptr;
}

ScriptLine Fail(std::string message) { return ScriptLine{std::nullopt, std::move(message)}; }

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text).push_back('"');
  return quoted;
}

ScriptLine Command(ScriptCommand::Verb verb, std::string_view widget, std::string_view argument) {
  return ScriptLine{ScriptCommand{verb, std::string(widget), std::string(argument)}, ""};
}

// A name or text as the line writes it: bare, or in double quotes (see
// front_end/session/VOKScriptText.h). A bare word ends at a blank, a bare
// text at the line's end.
struct Piece {
  std::string text;
  std::string_view rest;  // after the blanks that follow it
  std::string error;
};

Piece ReadPiece(std::string_view text, bool word) {
  if (!text.starts_with('"')) {
    if (!word) return Piece{std::string(text), {}, ""};
    const auto [first, rest] = FirstWord(text);
    return Piece{std::string(first), rest, ""};
  }
  auto quoted = vok::session::ReadQuoted(text);
  if (!quoted)
    return Piece{"", {}, R"(a quote is not closed, or \ is not followed by ", \, t, n or r)"};
  const std::size_t next = quoted->rest.find_first_not_of(kBlanks);
  if (next == 0) return Piece{"", {}, "a blank must follow the closing quote"};
  const std::string_view rest = next == std::string_view::npos ? "" : quoted->rest.substr(next);
  if (!word && !rest.empty()) return Piece{"", {}, "nothing may follow the closing quote"};
  return Piece{std::move(quoted->text), rest, ""};
}

// The arguments of a verb that takes some; the text of "type" keeps its
// inner blanks and may be empty.
ScriptLine ReadArguments(const VerbSyntax& syntax, std::string_view arguments) {
  const std::string usage = "expected \"" + std::string(syntax.usage) + "\"";
  if (arguments.empty()) return Fail(usage);
  const bool pressed = syntax.verb == ScriptCommand::Verb::Press;
  Piece widget = ReadPiece(arguments, !pressed);
  if (!widget.error.empty()) return Fail(widget.error);
  if (pressed) return Command(syntax.verb, widget.text, "");
  Piece argument = ReadPiece(widget.rest, false);
  if (!argument.error.empty()) return Fail(argument.error);
  if (syntax.verb == ScriptCommand::Verb::Type)
    return Command(syntax.verb, widget.text, argument.text);
  if (argument.text.empty()) return Fail(usage);
  if (syntax.verb == ScriptCommand::Verb::Step && argument.text != "up" &&
      argument.text != "down") {
    return Fail(usage + ", not \"" + argument.text + "\"");
  }
  return Command(syntax.verb, widget.text, argument.text);
}

}  // namespace

ScriptLine ReadScriptLine(std::string_view line) {
  const std::string_view text = TrimBlanks(line);
  if (text.empty() || text.front() == '#') return {};
  const auto [word, arguments] = FirstWord(text);
  const VerbSyntax* syntax = FindVerb(word);
  if (syntax == nullptr) {
    return Fail("unknown action \"" + std::string(word) +
                "\" (expected press, type, choose, step, ok, cancel or close)");
  }
  if (syntax->usage.empty()) {
    if (!arguments.empty()) return Fail(Quoted(word) + " takes nothing after it");
    return Command(syntax->verb, "", "");
  }
  return ReadArguments(*syntax, arguments);
}

}  // namespace vok_demo
