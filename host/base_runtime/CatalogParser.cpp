// File: CatalogParser.cpp
#include "base_runtime/CatalogParser.h"

#include "base_runtime/Utf8Text.h"

namespace vok {
namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view Unquote(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

// Adds the entry of one trimmed, non-comment line; false when malformed.
bool ReadEntry(std::string_view line, CatalogEntries& entries) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view key = Trim(line.substr(0, equals));
  if (key.empty() || key.find_first_of(kBlanks) != std::string_view::npos) return false;
  entries.insert_or_assign(std::string(key), std::string(Unquote(Trim(line.substr(equals + 1)))));
  return true;
}

bool IsValidUtf8(std::string_view text) { return utf8::Sanitize(text) == text; }

}  // namespace

ParsedCatalog ParseCatalog(std::string_view contents, const std::string& label) {
  ParsedCatalog parsed;
  if (!IsValidUtf8(contents)) {
    parsed.problem = label + ": not valid UTF-8 text; the catalog is ignored";
    return parsed;
  }
  if (contents.starts_with(kByteOrderMark)) contents.remove_prefix(kByteOrderMark.size());
  int lineNumber = 0;
  while (!contents.empty()) {
    const std::size_t end = contents.find('\n');
    const std::string_view line = Trim(contents.substr(0, end));
    contents = end == std::string_view::npos ? std::string_view() : contents.substr(end + 1);
    ++lineNumber;
    if (line.empty() || line.front() == '#' || ReadEntry(line, parsed.entries)) continue;
    if (parsed.problem.empty()) {
      parsed.problem = label + ":" + std::to_string(lineNumber) + ": expected 'Key = Text'";
    }
  }
  return parsed;
}

}  // namespace vok
