// File: FieldDraft.cpp
// Editing a line of text character by character.
#include "FieldDraft.h"

#include "VOKCellText.h"

namespace vok::session {

FieldDraft::FieldDraft(const std::string& utf8)
    : _text(VOKDecodeUtf8(utf8)), _cursor(static_cast<int>(_text.size())) {}

void FieldDraft::Insert(char32_t character) {
  _text.insert(static_cast<std::size_t>(_cursor), 1, character);
  ++_cursor;
}

void FieldDraft::EraseBefore() {
  if (_cursor == 0) return;
  _text.erase(static_cast<std::size_t>(--_cursor), 1);
}

void FieldDraft::EraseAfter() {
  if (_cursor < static_cast<int>(_text.size())) _text.erase(static_cast<std::size_t>(_cursor), 1);
}

void FieldDraft::Left() {
  if (_cursor > 0) --_cursor;
}

void FieldDraft::Right() {
  if (_cursor < static_cast<int>(_text.size())) ++_cursor;
}

void FieldDraft::Home() { _cursor = 0; }

void FieldDraft::End() { _cursor = static_cast<int>(_text.size()); }

std::string FieldDraft::Text() const { return VOKEncodeUtf8(_text); }

int FieldDraft::FirstShown(int columns) const {
  int first = 0;
  const auto shownBeforeCursor = [&] {
    return VOKTextColumns(VOKEncodeUtf8(std::u32string_view(_text).substr(
        static_cast<std::size_t>(first), static_cast<std::size_t>(_cursor - first))));
  };
  while (first < _cursor && shownBeforeCursor() > columns) ++first;
  return first;
}

}  // namespace vok::session
