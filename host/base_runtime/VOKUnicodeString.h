// File: VOKUnicodeString.h
// Display text. Stored as UTF-8; every length, index and position is counted
// in characters (Unicode code points). Text that is all ASCII takes a fast
// path where a character is a byte.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "base_runtime/HostExport.h"
#include "base_runtime/VOKString.h"

/// One Unicode character (a code point).
class VOK_HOST_API VOKUnicodeChar {
 public:
  /// U+0000.
  constexpr VOKUnicodeChar() = default;
  /// The character code.
  constexpr explicit VOKUnicodeChar(char32_t code) : _code(code) {}

  /// 1 for the decimal digits 0 to 9 of any script, else 0. Inline for the
  /// ASCII digits, the only ones nearly every text holds.
  unsigned char IsDigit() const {
    return _code < 0x80 ? (_code >= U'0' && _code <= U'9' ? 1 : 0) : IsOtherDigit();
  }
  /// The code point.
  char32_t GetCode() const { return _code; }

  /// Same code point.
  friend bool operator==(VOKUnicodeChar a, VOKUnicodeChar b) { return a._code == b._code; }
  /// Different code points.
  friend bool operator!=(VOKUnicodeChar a, VOKUnicodeChar b) { return a._code != b._code; }

 private:
  unsigned char IsOtherDigit() const;

  char32_t _code = 0;
};

/// Display text held as UTF-8, measured and indexed in characters. Ill-formed
/// UTF-8 given to it becomes U+FFFD.
class VOK_HOST_API VOKUnicodeString {
 public:
  /// How Strip trims: the leading end, both ends, or the trailing end.
  enum StripMode { StripLeading = 0, StripBoth = 1, StripTrailing = 2 };
  /// Compare's answers.
  enum CompareResult { Less = 1, Equal = 2, Greater = 3 };

  /// The empty text.
  VOKUnicodeString() = default;
  VOKUnicodeString(const char* utf8);  ///< null gives the empty text
  /// The text of utf8 bytes.
  explicit VOKUnicodeString(std::string_view utf8);

  /// Nonzero when true.
  int operator==(const VOKUnicodeString& other) const;
  /// Nonzero when the text equals utf8.
  int operator==(const char* utf8) const;
  /// Nonzero when the texts differ.
  int operator!=(const VOKUnicodeString& other) const;
  /// Nonzero when the text differs from utf8.
  int operator!=(const char* utf8) const;

  /// 2 when equal, 1 when this text sorts first, 3 when it sorts last.
  int Compare(const VOKUnicodeString& other) const;

  /// The number of characters.
  int GetLengthInChar() const { return _ascii ? static_cast<int>(_utf8.size()) : CountChars(); }
  /// True for the empty text.
  bool IsEmpty() const { return _utf8.empty(); }

  /// The character at a 0-based index; the null character when out of range.
  /// Inline where a character is a byte: texts are walked a character at a
  /// time.
  VOKUnicodeChar operator[](int index) const {
    if (_ascii && index >= 0 && static_cast<std::size_t>(index) < _utf8.size()) {
      return VOKUnicodeChar(static_cast<unsigned char>(_utf8[static_cast<std::size_t>(index)]));
    }
    return CharAt(index);
  }

  /// The character that starts at byte pos of ToUtf8(), pos moving past it;
  /// pos must be before the end. For walking a text from its start: inline
  /// where the character is one byte.
  VOKUnicodeChar NextChar(std::size_t& pos) const {
    const auto byte = static_cast<unsigned char>(_utf8[pos]);
    if (byte < 0x80) {
      ++pos;
      return VOKUnicodeChar(byte);
    }
    const DecodedChar decoded = DecodeAt(pos);
    pos = decoded.end;
    return decoded.character;
  }

  /// Characters [start, start + length), clipped to the text.
  VOKUnicodeString SubString(int start, int length) const;

  /// 0-based character position of the first occurrence of text at or after
  /// start (mode 1: forward; mode 0: backward from start), or -1 when absent.
  int SearchSubString(const VOKUnicodeString& text, int start, int mode) const;

  /// Replaces every occurrence of oldText by newText, left to right, without
  /// rescanning what was inserted. An empty oldText changes nothing.
  VOKUnicodeString& ReplaceAll(const VOKUnicodeString& oldText, const VOKUnicodeString& newText);

  /// Appends text; returns this text.
  VOKUnicodeString& Append(const VOKUnicodeString& text);

  /// A copy without the given character at the end(s) that mode names.
  VOKUnicodeString Strip(int mode, VOKUnicodeChar character) const;
  /// The same with an ASCII character.
  VOKUnicodeString Strip(int mode, char character) const;

  /// Writes value with a printf format holding exactly one integer conversion
  /// (%d, %i, %u, %x, %X, %o with flags and width). Returns nonzero on success;
  /// on failure (a format of any other kind) the text is unchanged.
  int BuildFromNum(int value, const char* format);

  /// Reads an int with a scanf format holding exactly one integer conversion,
  /// as sscanf would: leading blanks skipped, trailing characters ignored
  /// ("2020x" reads 2020). Returns nonzero on success; a number out of the
  /// int range, no digits, or a format of any other kind fail and leave
  /// *value unchanged.
  int ConvertToNum(int* value, const char* format) const;

  /// Narrow (UTF-8) forms for traces and host APIs taking char text.
  VOKString ConvertToChar() const;
  /// The UTF-8 bytes as a narrow text.
  VOKString CastToCharPtr() const;
  /// The UTF-8 bytes.
  const std::string& ToUtf8() const { return _utf8; }

 private:
  /// Takes utf8 as the text, made well formed.
  void Assign(std::string utf8);
  int CountChars() const;
  VOKUnicodeChar CharAt(int index) const;
  /// A character and the byte after it; returned whole, so that a caller's
  /// position stays in a register.
  struct DecodedChar {
    VOKUnicodeChar character;
    std::size_t end;
  };
  DecodedChar DecodeAt(std::size_t pos) const;
  void Reclassify();
  std::size_t ByteOffset(int charIndex) const;

  std::string _utf8;
  bool _ascii = true;
};

VOK_HOST_API std::ostream& operator<<(std::ostream& out, const VOKUnicodeString& text);
