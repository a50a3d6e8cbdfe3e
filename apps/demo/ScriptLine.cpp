// File: ScriptLine.cpp
#include "demo/ScriptLine.h"

#include <algorithm>
#include <array>
#include <utility>

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

// The arguments of a verb that takes some; the text of "type" keeps its
// inner blanks and may be empty.
ScriptLine ReadArguments(const VerbSyntax& syntax, std::string_view arguments) {
  const std::string usage = "expected \"" + std::string(syntax.usage) + "\"";
  if (arguments.empty()) return Fail(usage);
  if (syntax.verb == ScriptCommand::Verb::Press) return Command(syntax.verb, arguments, "");
  const auto [widget, argument] = FirstWord(arguments);
  if (syntax.verb == ScriptCommand::Verb::Type) return Command(syntax.verb, widget, argument);
  if (argument.empty()) return Fail(usage);
  if (syntax.verb == ScriptCommand::Verb::Step && argument != "up" && argument != "down") {
    return Fail(usage + ", not \"" + std::string(argument) + "\"");
  }
  return Command(syntax.verb, widget, argument);
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
