// File: VOKQELNavCalendarUIValidation.cpp
// Judging date text typed by a user: the shape test is the calendar's own,
// whether the digits make a real date is the host's VOKImmDate's decision.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "base_runtime/VOKTime.h"
#include "calendar_popup/VOKQELNavCalendarUI.h"
#include "services/VOKImmDate.h"

const int VOKQELNavCalendarUI::INVALID_FORMAT = 0;
const int VOKQELNavCalendarUI::INVALID_VALUE = 1;
const int VOKQELNavCalendarUI::VALID_DATE = 2;

namespace {

constexpr std::uint64_t EveryByte(unsigned char byte) { return 0x0101010101010101U * byte; }

constexpr std::uint64_t kHighBits = EveryByte(0x80);

// Eight ASCII bytes of text against the format's at once: each must be the
// format's byte or a digit. No byte is above 0x7F, so no sum below carries
// into the next byte; each leaves its verdict in the byte's high bit.
bool AsciiBytesFit(std::uint64_t text, std::uint64_t format) {
  const std::uint64_t differs = ((text ^ format) + EveryByte(0x7F)) & kHighBits;
  const std::uint64_t atLeastZero = text + EveryByte(0x80 - '0');
  const std::uint64_t aboveNine = text + EveryByte(0x80 - '9' - 1);
  const std::uint64_t digit = atLeastZero & ~aboveNine & kHighBits;
  return (differs & ~digit) == 0;
}

std::uint64_t EightBytesAt(std::string_view bytes, std::size_t at) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes.data() + at, sizeof word);
  return word;
}

// The characters at t and f, each position moving past its character:
// whether the text's is the format's or a digit. Cold: texts beyond ASCII
// are rare, and keeping this apart keeps the ASCII steps small.
[[gnu::cold]] bool NextCharacterFits(const VOKUnicodeString& text, const VOKUnicodeString& format,
                                     std::size_t& t, std::size_t& f) {
  const VOKUnicodeChar c = text.NextChar(t);
  return c == format.NextChar(f) || c.IsDigit();
}

// Each position holds the very character of the format or a digit: so
// separators are typed as they stand, placeholders take digits, and a digit
// in place of a separator is left for the host to refuse. Both texts are
// walked in their UTF-8 bytes, eight at a time where those are ASCII (a
// byte is then a character), else a character at a time.
bool HasShapeOf(const VOKUnicodeString& text, const VOKUnicodeString& format) {
  const std::string_view textBytes = text.ToUtf8();
  const std::string_view formatBytes = format.ToUtf8();
  std::size_t t = 0;
  std::size_t f = 0;
  // Texts of one byte length at one place go eight bytes at a time; the
  // last step ends at their end and may judge again bytes judged already.
  const bool inStepLength = textBytes.size() == formatBytes.size() && textBytes.size() >= 8;
  while (t < textBytes.size() && f < formatBytes.size()) {
    if (inStepLength && t == f) {
      const std::size_t at = std::min(t, textBytes.size() - 8);
      const std::uint64_t textWord = EightBytesAt(textBytes, at);
      const std::uint64_t formatWord = EightBytesAt(formatBytes, at);
      if (((textWord | formatWord) & kHighBits) == 0) {
        if (!AsciiBytesFit(textWord, formatWord)) return false;
        t = f = at + 8;
        continue;
      }
    }
    if (!NextCharacterFits(text, format, t, f)) return false;
  }
  return t == textBytes.size() && f == formatBytes.size();
}

// VOKTime::Invalid when the host reads no date from the text.
std::int64_t ReadDate(const VOKUnicodeString& text) {
  const VOKImmDate date(text);
  return date._time.Gettime_t();
}

// The verdict on text, and for a VALID_DATE the time the host read.
int Judge(const VOKUnicodeString& text, const VOKUnicodeString& format, std::int64_t& time) {
  if (text.IsEmpty() || !HasShapeOf(text, format)) return VOKQELNavCalendarUI::INVALID_FORMAT;
  time = ReadDate(text);
  return time == VOKTime::Invalid ? VOKQELNavCalendarUI::INVALID_VALUE
                                  : VOKQELNavCalendarUI::VALID_DATE;
}

}  // namespace

int VOKQELNavCalendarUI::validateDate(const VOKUnicodeString& text) {
  std::int64_t time = VOKTime::Invalid;
  return Judge(text, _displayFormat, time);
}

unsigned char VOKQELNavCalendarUI::isDateValid(const VOKUnicodeString& text) {
  return validateDate(text) == VALID_DATE ? 1 : 0;
}

// Every date text about to be converted passes through StripNLS (and its
// trace). A text of the display format's shape holds only the format's
// characters and digits, and the format holds no decoration, so StripNLS
// leaves it as it is: the time read by the judgement is the text's.
int VOKQELNavCalendarUI::ConvertToVOKTime(const VOKUnicodeString& text, VOKTime& time) {
  std::int64_t read = VOKTime::Invalid;
  const int result = Judge(text, _displayFormat, read);
  if (result != VALID_DATE) return result;
  VOKUnicodeString stripped(text);
  StripNLS(stripped);
  time.Settime_t(read);
  return VALID_DATE;
}
