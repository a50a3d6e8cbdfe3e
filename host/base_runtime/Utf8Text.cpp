// File: Utf8Text.cpp
#include "base_runtime/Utf8Text.h"

#include <algorithm>
#include <cstdint>

namespace vok::utf8 {
namespace {

const std::uint8_t* Bytes(std::string_view text) {
  return reinterpret_cast<const std::uint8_t*>(text.data());
}

// ICU indexes with int32_t; no text of the host comes near that length.
std::int32_t Length(std::string_view text) {
  return static_cast<std::int32_t>(std::min<std::size_t>(text.size(), INT32_MAX));
}

}  // namespace

std::string Sanitize(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (std::size_t pos = 0; pos < bytes.size();) Append(DecodeNext(bytes, pos), out);
  return out;
}

bool IsScalar(char32_t code) { return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF); }

void Append(char32_t code, std::string& out) {
  char bytes[U8_MAX_LENGTH];
  std::int32_t length = 0;
  U8_APPEND_UNSAFE(bytes, length, IsScalar(code) ? code : kReplacement);
  out.append(bytes, static_cast<std::size_t>(length));
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

int CountChars(std::string_view text) {
  // Every byte of well-formed text except a continuation byte starts a character.
  return static_cast<int>(std::count_if(
      text.begin(), text.end(), [](char c) { return !U8_IS_TRAIL(static_cast<std::uint8_t>(c)); }));
}

std::size_t ByteOffsetOf(std::string_view text, int charIndex) {
  std::int32_t at = 0;
  U8_FWD_N(Bytes(text), at, Length(text), std::max(charIndex, 0));
  return static_cast<std::size_t>(at);
}

}  // namespace vok::utf8

std::u32string VOKDecodeUtf8(std::string_view utf8) {
  std::u32string text;
  text.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) text += vok::utf8::DecodeNext(utf8, pos);
  return text;
}

std::string VOKEncodeUtf8(std::u32string_view text) {
  std::string utf8;
  utf8.reserve(text.size());
  for (char32_t code : text) vok::utf8::Append(code, utf8);
  return utf8;
}
