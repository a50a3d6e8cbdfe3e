// File: Utf8Text.h
// UTF-8 helpers behind VOKUnicodeString. Sanitize is the only way text gets
// in, so every other helper may assume well-formed UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vok::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// A well-formed copy of bytes: every byte that does not belong to a valid
// sequence (stray continuation, truncated or overlong sequence, surrogate,
// code point above U+10FFFF) becomes U+FFFD.
std::string Sanitize(std::string_view bytes);

// True for a Unicode scalar value (no surrogate, at most U+10FFFF).
bool IsScalar(char32_t code);

// Appends the encoding of a scalar value.
void Encode(char32_t code, std::string& out);

// The code point starting at byte pos of well-formed text; pos moves past it.
char32_t DecodeNext(std::string_view text, std::size_t& pos);

bool IsAscii(std::string_view text);
int CountChars(std::string_view text);

// Byte offset of character charIndex, or text.size() when it is past the end.
std::size_t ByteOffsetOf(std::string_view text, int charIndex);

}  // namespace vok::utf8
