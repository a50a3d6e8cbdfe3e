// File: FieldDraft.h
// Internal to the front end. The text a person is typing into a field,
// with its cursor, before it is handed to the widget.
#pragma once

#include <string>

namespace vok::session {

class FieldDraft {
 public:
  // The cursor starts after the last character.
  explicit FieldDraft(const std::string& utf8);

  void Insert(char32_t character);
  void EraseBefore();  // backspace
  void EraseAfter();   // delete
  void Left();
  void Right();
  void Home();
  void End();

  std::string Text() const;
  int Cursor() const { return _cursor; }  // characters before the cursor
  // The first character to show so that the cursor stays inside a field
  // of the given width.
  int FirstShown(int columns) const;

 private:
  std::u32string _text;
  int _cursor;
};

}  // namespace vok::session
