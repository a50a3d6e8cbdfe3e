// File: VOKString.h
// Narrow identifier text: widget names, catalog names and keys, formats.
#pragma once

#include <string>
#include <string_view>

#include "base_runtime/HostExport.h"

/// Narrow identifier text: widget names, catalog names and keys.
class VOK_HOST_API VOKString {
 public:
  /// The empty text.
  VOKString() = default;
  VOKString(const char* text);  ///< null gives the empty text
  /// Takes text.
  VOKString(std::string text);

  /// The two texts joined.
  VOKString operator+(const VOKString& other) const;
  /// The two texts joined; null adds nothing.
  VOKString operator+(const char* other) const;

  /// The text, valid while this object is unchanged.
  operator const char*() const { return _text.c_str(); }
  /// The text.
  const std::string& str() const { return _text; }
  /// Length in bytes.
  int GetLength() const { return static_cast<int>(_text.size()); }

  /// Same text.
  friend bool operator==(const VOKString& a, const VOKString& b) { return a._text == b._text; }
  /// Same text; null equals the empty text.
  friend bool operator==(const VOKString& a, const char* b) { return a._text == (b ? b : ""); }

 private:
  std::string _text;
};
