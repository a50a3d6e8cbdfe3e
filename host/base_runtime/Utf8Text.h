// File: Utf8Text.h
// The host's one UTF-8 unit, on ICU's UTF-8 macros: making text well formed,
// decoding and encoding it, counting and finding its characters. A byte
// that does not belong to a well-formed sequence, and a value that is no
// Unicode scalar value, become U+FFFD; ill-formed input is never an error.
#pragma once

#include <unicode/utf8.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base_runtime/HostExport.h"

namespace vok::utf8 {

inline constexpr char32_t kReplacement = 0xFFFD;

// A well-formed copy of bytes: each maximal ill-formed part (a stray
// continuation byte, a truncated or overlong sequence, a surrogate, a value
// above U+10FFFF) becomes one U+FFFD.
std::string Sanitize(std::string_view bytes);

// True for a Unicode scalar value (no surrogate, at most U+10FFFF).
bool IsScalar(char32_t code);

// Appends the encoding of code; a value that is no scalar value is written
// as U+FFFD.
VOK_HOST_API void Append(char32_t code, std::string& out);

// The character starting at byte pos; pos moves past it (past one
// ill-formed part, which gives U+FFFD). pos must be before the end, and
// the text no longer than INT32_MAX bytes. Inline: date texts are read a
// character at a time.
inline char32_t DecodeNext(std::string_view text, std::size_t& pos) {
  auto at = static_cast<std::int32_t>(pos);
  UChar32 code = 0;
  const auto length = static_cast<std::int32_t>(text.size() < INT32_MAX ? text.size() : INT32_MAX);
  U8_NEXT(reinterpret_cast<const std::uint8_t*>(text.data()), at, length, code);
  pos = static_cast<std::size_t>(at);
  return code < 0 ? kReplacement : static_cast<char32_t>(code);
}

bool IsAscii(std::string_view text);

// Characters of well-formed text.
int CountChars(std::string_view text);

// Byte offset of character charIndex of well-formed text, or text.size()
// when it is past the end.
std::size_t ByteOffsetOf(std::string_view text, int charIndex);

}  // namespace vok::utf8

// Whole texts, for callers that work on characters (field editing, date
// layouts).
VOK_HOST_API std::u32string VOKDecodeUtf8(std::string_view utf8);
VOK_HOST_API std::string VOKEncodeUtf8(std::u32string_view text);
