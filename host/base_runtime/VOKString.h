// File: VOKString.h
// Narrow identifier text: widget names, catalog names and keys, formats.
#pragma once

#include <string>
#include <string_view>

#include "base_runtime/HostExport.h"

class VOK_HOST_API VOKString {
 public:
  VOKString() = default;
  VOKString(const char* text);  ///< null gives the empty text
  VOKString(std::string text);

  VOKString operator+(const VOKString& other) const;
  VOKString operator+(const char* other) const;

  operator const char*() const { return _text.c_str(); }
  const std::string& str() const { return _text; }
  int GetLength() const { return static_cast<int>(_text.size()); }

  friend bool operator==(const VOKString& a, const VOKString& b) { return a._text == b._text; }
  friend bool operator==(const VOKString& a, const char* b) { return a._text == (b ? b : ""); }

 private:
  std::string _text;
};
