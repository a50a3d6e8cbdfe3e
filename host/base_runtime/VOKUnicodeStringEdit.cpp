// File: VOKUnicodeStringEdit.cpp
// Substrings, search, replacement and trimming. Well-formed UTF-8 is
// self-synchronising: a byte match of one well-formed text inside another
// always starts on a character boundary, so searching works on bytes.
#include <algorithm>
#include <cstdint>
#include <string>

#include "base_runtime/Utf8Text.h"
#include "base_runtime/VOKUnicodeString.h"

VOKUnicodeString VOKUnicodeString::SubString(int start, int length) const {
  const std::int64_t end = static_cast<std::int64_t>(start) + length;
  const int first = std::max(start, 0);
  if (end <= first) return VOKUnicodeString();
  const std::size_t from = ByteOffset(first);
  const std::size_t to = ByteOffset(static_cast<int>(std::min<std::int64_t>(end, INT32_MAX)));
  VOKUnicodeString result;
  result._utf8 = _utf8.substr(from, to - from);
  result.Reclassify();
  return result;
}

int VOKUnicodeString::SearchSubString(const VOKUnicodeString& text, int start, int mode) const {
  const bool backward = mode == 0;
  if (start < 0 && backward) return -1;
  const int length = GetLengthInChar();
  const int from = std::max(start, 0);
  if (from > length && !backward) return -1;
  const std::size_t byteStart = ByteOffset(std::min(from, length));
  const std::size_t found =
      backward ? _utf8.rfind(text._utf8, byteStart) : _utf8.find(text._utf8, byteStart);
  if (found == std::string::npos) return -1;
  return _ascii ? static_cast<int>(found)
                : vok::utf8::CountChars(std::string_view(_utf8).substr(0, found));
}

VOKUnicodeString& VOKUnicodeString::ReplaceAll(const VOKUnicodeString& oldText,
                                               const VOKUnicodeString& newText) {
  if (oldText._utf8.empty()) return *this;
  std::size_t found = _utf8.find(oldText._utf8);
  // Most texts hold nothing to replace: they are left as they are.
  if (found == std::string::npos) return *this;
  std::string result;
  std::size_t pos = 0;
  for (; found != std::string::npos; found = _utf8.find(oldText._utf8, pos)) {
    result.append(_utf8, pos, found - pos);
    result.append(newText._utf8);
    pos = found + oldText._utf8.size();
  }
  result.append(_utf8, pos);
  _utf8 = std::move(result);
  Reclassify();
  return *this;
}

VOKUnicodeString& VOKUnicodeString::Append(const VOKUnicodeString& text) {
  _utf8 += text._utf8;
  _ascii = _ascii && text._ascii;
  return *this;
}

VOKUnicodeString VOKUnicodeString::Strip(int mode, VOKUnicodeChar character) const {
  VOKUnicodeString result(*this);
  if (!vok::utf8::IsScalar(character.GetCode())) return result;
  std::string unit;
  vok::utf8::Append(character.GetCode(), unit);
  std::string_view rest(_utf8);
  if (mode == StripLeading || mode == StripBoth) {
    while (rest.starts_with(unit)) rest.remove_prefix(unit.size());
  }
  if (mode == StripTrailing || mode == StripBoth) {
    while (rest.ends_with(unit)) rest.remove_suffix(unit.size());
  }
  result._utf8 = std::string(rest);
  result.Reclassify();
  return result;
}

VOKUnicodeString VOKUnicodeString::Strip(int mode, char character) const {
  // A narrow character is read as Latin-1, so every byte names one character.
  return Strip(mode, VOKUnicodeChar(static_cast<unsigned char>(character)));
}
