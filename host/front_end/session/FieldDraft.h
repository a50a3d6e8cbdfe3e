// File: FieldDraft.h
// Internal to the front end. The text a person is typing into a field,
// with its cursor, before it is handed to the widget. The whole text may
// be selected (as when the field was just entered): typing then replaces
// it, Backspace and Delete erase it, and a move of the cursor ends the
// selection.
#pragma once

#include <string>

namespace vok::session {

class FieldDraft {
 public:
  // The cursor starts after the last character.
  explicit FieldDraft(const std::string& utf8, bool selected = false);

  void Insert(char32_t character);
  void EraseBefore();   // backspace
  void EraseAfter();    // delete
  void EraseToStart();  // Ctrl-U, as in a shell
  void Left();
  void Right();
  void Home();
  void End();

  std::string Text() const;
  int Cursor() const { return _cursor; }  // characters before the cursor
  bool Selected() const { return _selected && !_text.empty(); }
  // The first character to show so that the cursor stays inside a field
  // of the given width.
  int FirstShown(int columns) const;

 private:
  // Erases the selected text; false when nothing was selected.
  bool eraseSelection();

  std::u32string _text;
  int _cursor;
  bool _selected;
};

}  // namespace vok::session
