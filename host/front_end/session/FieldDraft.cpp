// File: FieldDraft.cpp
// Editing a line of text character by character.
#include "front_end/session/FieldDraft.h"

#include <utility>

#include "front_end/text/VOKCellText.h"

namespace vok::session {

FieldDraft::FieldDraft(const std::string& utf8, bool selected)
    : _text(VOKDecodeUtf8(utf8)), _cursor(static_cast<int>(_text.size())), _selected(selected) {}

bool FieldDraft::eraseSelection() {
  const bool erase = Selected();
  _selected = false;
  if (erase) {
    _text.clear();
    _cursor = 0;
  }
  return erase;
}

void FieldDraft::Insert(char32_t character) {
  eraseSelection();
  _text.insert(static_cast<std::size_t>(_cursor), 1, character);
  ++_cursor;
}

void FieldDraft::EraseBefore() {
  if (eraseSelection() || _cursor == 0) return;
  _text.erase(static_cast<std::size_t>(--_cursor), 1);
}

void FieldDraft::EraseAfter() {
  if (eraseSelection()) return;
  if (_cursor < static_cast<int>(_text.size())) _text.erase(static_cast<std::size_t>(_cursor), 1);
}

void FieldDraft::EraseToStart() {
  if (eraseSelection()) return;
  _text.erase(0, static_cast<std::size_t>(_cursor));
  _cursor = 0;
}

// A move from a selection starts at the selection's side it goes to.
void FieldDraft::Left() {
  if (std::exchange(_selected, false)) return Home();
  if (_cursor > 0) --_cursor;
}

void FieldDraft::Right() {
  if (std::exchange(_selected, false)) return End();
  if (_cursor < static_cast<int>(_text.size())) ++_cursor;
}

void FieldDraft::Home() {
  _selected = false;
  _cursor = 0;
}

void FieldDraft::End() {
  _selected = false;
  _cursor = static_cast<int>(_text.size());
}

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
