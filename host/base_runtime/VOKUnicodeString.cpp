// File: VOKUnicodeString.cpp
// Construction, comparison, character access and narrow forms.
#include "base_runtime/VOKUnicodeString.h"

#include <algorithm>
#include <ostream>

#include "base_runtime/Utf8Text.h"

VOKUnicodeString::VOKUnicodeString(const char* utf8)
    : VOKUnicodeString(std::string_view(utf8 ? utf8 : "")) {}

VOKUnicodeString::VOKUnicodeString(std::string_view utf8) { Assign(std::string(utf8)); }

void VOKUnicodeString::Assign(std::string utf8) {
  _ascii = vok::utf8::IsAscii(utf8);
  _utf8 = _ascii ? std::move(utf8) : vok::utf8::Sanitize(utf8);
}

void VOKUnicodeString::Reclassify() { _ascii = vok::utf8::IsAscii(_utf8); }

std::size_t VOKUnicodeString::ByteOffset(int charIndex) const {
  if (charIndex <= 0) return 0;
  if (_ascii) return std::min(static_cast<std::size_t>(charIndex), _utf8.size());
  return vok::utf8::ByteOffsetOf(_utf8, charIndex);
}

int VOKUnicodeString::operator==(const VOKUnicodeString& other) const {
  return _utf8 == other._utf8;
}

int VOKUnicodeString::operator==(const char* utf8) const { return *this == VOKUnicodeString(utf8); }

int VOKUnicodeString::operator!=(const VOKUnicodeString& other) const { return !(*this == other); }

int VOKUnicodeString::operator!=(const char* utf8) const { return !(*this == utf8); }

int VOKUnicodeString::Compare(const VOKUnicodeString& other) const {
  // Byte order of well-formed UTF-8 is code point order.
  const int order = _utf8.compare(other._utf8);
  if (order < 0) return Less;
  return order == 0 ? Equal : Greater;
}

int VOKUnicodeString::CountChars() const { return vok::utf8::CountChars(_utf8); }

VOKUnicodeChar VOKUnicodeString::CharAt(int index) const {
  if (index < 0 || _ascii) return VOKUnicodeChar();
  std::size_t pos = ByteOffset(index);
  if (pos >= _utf8.size()) return VOKUnicodeChar();
  return VOKUnicodeChar(vok::utf8::DecodeNext(_utf8, pos));
}

VOKString VOKUnicodeString::ConvertToChar() const { return VOKString(_utf8); }

VOKString VOKUnicodeString::CastToCharPtr() const { return VOKString(_utf8); }

std::ostream& operator<<(std::ostream& out, const VOKUnicodeString& text) {
  return out << text.ToUtf8();
}
