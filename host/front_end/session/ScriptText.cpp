// File: ScriptText.cpp
#include <algorithm>

#include "front_end/session/VOKScriptText.h"

namespace vok::session {
namespace {

constexpr std::string_view kBlanks = " \t\r";
// Escaped characters and the letter that stands for each after "\".
constexpr std::string_view kEscaped = "\"\\\t\n\r";
constexpr std::string_view kEscapes = "\"\\tnr";

bool IsControl(char character) {
  return static_cast<unsigned char>(character) < 0x20 || character == 0x7f;
}

bool NeedsQuotes(std::string_view text) {
  return text.empty() || text.front() == '"' ||
         kBlanks.find(text.front()) != std::string_view::npos ||
         kBlanks.find(text.back()) != std::string_view::npos ||
         std::any_of(text.begin(), text.end(), IsControl);
}

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  for (const char character : text) {
    const std::size_t escaped = kEscaped.find(character);
    if (escaped == std::string_view::npos) {
      quoted.push_back(character);
    } else {
      quoted.push_back('\\');
      quoted.push_back(kEscapes[escaped]);
    }
  }
  quoted.push_back('"');
  return quoted;
}

}  // namespace

std::string QuoteWord(std::string_view word) {
  const bool blank = word.find_first_of(kBlanks) != std::string_view::npos;
  return blank || NeedsQuotes(word) ? Quoted(word) : std::string(word);
}

std::string QuoteText(std::string_view text) {
  return NeedsQuotes(text) ? Quoted(text) : std::string(text);
}

std::optional<QuotedText> ReadQuoted(std::string_view text) {
  QuotedText read;
  for (std::size_t at = 1; at < text.size(); ++at) {
    if (text[at] == '"') {
      read.rest = text.substr(at + 1);
      return read;
    }
    if (text[at] != '\\') {
      read.text.push_back(text[at]);
      continue;
    }
    const std::size_t escape =
        ++at < text.size() ? kEscapes.find(text[at]) : std::string_view::npos;
    if (escape == std::string_view::npos) return std::nullopt;
    read.text.push_back(kEscaped[escape]);
  }
  return std::nullopt;
}

}  // namespace vok::session
