// File: VOKScriptText.h
// Names and texts as the lines of an action script write them: bare when
// they read back as themselves, otherwise (and when empty) in double quotes
// with \" \\ \t \n and \r escaped inside. The session writes its recorded
// lines with these, and a host that replays them reads them back here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "front_end/FrontEndExport.h"

namespace vok::session {

/// A widget's name as a line writes it: quoted also when it holds a blank,
/// since a bare name ends at the first blank.
VOK_FRONTEND_API std::string QuoteWord(std::string_view word);
/// A text as a line writes it, when it is the last thing on the line.
VOK_FRONTEND_API std::string QuoteText(std::string_view text);

/// A quoted text read from the start of a line.
struct QuotedText {
  std::string text;       ///< without the quotes, escapes undone
  std::string_view rest;  ///< what follows the closing quote
};
/// Reads the quoted text that starts text (its first character is the
/// opening quote); nullopt when the closing quote is missing or an escape
/// is unknown.
VOK_FRONTEND_API std::optional<QuotedText> ReadQuoted(std::string_view text);

}  // namespace vok::session
