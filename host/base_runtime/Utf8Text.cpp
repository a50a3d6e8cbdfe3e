// File: Utf8Text.cpp
#include "base_runtime/Utf8Text.h"

namespace vok::utf8 {
namespace {

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
  return byte >= low && byte <= high;
}

// The allowed range of the second byte after a lead byte (the ranges that
// exclude overlong forms, surrogates and values above U+10FFFF); the
// sequence length is returned, 0 for a byte that cannot lead.
int LeadInfo(unsigned char lead, unsigned char& low, unsigned char& high) {
  low = 0x80;
  high = 0xBF;
  if (lead < 0x80) return 1;
  if (InRange(lead, 0xC2, 0xDF)) return 2;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (InRange(lead, 0xE0, 0xEF)) return 3;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (InRange(lead, 0xF0, 0xF4)) return 4;
  return 0;
}

// Length of the valid sequence at pos, or 0 when the byte there is bad.
std::size_t ValidSequenceLength(std::string_view bytes, std::size_t pos) {
  unsigned char low = 0;
  unsigned char high = 0;
  const auto length = static_cast<std::size_t>(LeadInfo(static_cast<unsigned char>(bytes[pos]), low, high));
  if (length == 0 || pos + length > bytes.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(bytes[pos + i]);
    if (!InRange(byte, i == 1 ? low : 0x80, i == 1 ? high : 0xBF)) return 0;
  }
  return length;
}

}  // namespace

std::string Sanitize(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t length = ValidSequenceLength(bytes, pos);
    if (length == 0) {
      Encode(kReplacement, out);
      ++pos;
      continue;
    }
    out.append(bytes.substr(pos, length));
    pos += length;
  }
  return out;
}

bool IsScalar(char32_t code) { return code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF); }

void Encode(char32_t code, std::string& out) {
  auto put = [&out](char32_t byte) { out.push_back(static_cast<char>(byte)); };
  if (code < 0x80) {
    put(code);
  } else if (code < 0x800) {
    put(0xC0 | (code >> 6));
    put(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    put(0xE0 | (code >> 12));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  } else {
    put(0xF0 | (code >> 18));
    put(0x80 | ((code >> 12) & 0x3F));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  }
}

char32_t DecodeNext(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
  char32_t code = lead & (0x3F >> extra);
  for (int i = 0; i < extra && pos < text.size(); ++i) {
    code = (code << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
  }
  return code;
}

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

int CountChars(std::string_view text) {
  int count = 0;
  for (char c : text) {
    // Every byte except a continuation byte starts a character.
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::size_t ByteOffsetOf(std::string_view text, int charIndex) {
  std::size_t pos = 0;
  for (int i = 0; i < charIndex && pos < text.size(); ++i) DecodeNext(text, pos);
  return pos;
}

}  // namespace vok::utf8
