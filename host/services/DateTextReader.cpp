// File: DateTextReader.cpp
#include "services/DateTextReader.h"

#include <algorithm>
#include <array>

#include "base_runtime/CivilTime.h"
#include "base_runtime/Utf8Text.h"
#include "services/DateDigits.h"

namespace vok::services {
namespace {

// Digits read from a byte position on: the byte where the text goes on
// after them, the value they make and how many they are. Sixteen bytes, so
// that it is returned in registers.
struct DigitRun {
  std::size_t end = 0;
  int value = 0;
  unsigned count = 0;
};

// run, which stopped before a character beyond ASCII, goes on with any
// digits from there. Cold: kept out of the reading of ASCII digits, which
// it would otherwise slow down.
[[gnu::cold]] DigitRun ReadOtherDigits(std::string_view text, DigitRun run, std::size_t most,
                                       bool thaiDigits) {
  while (run.count < most && run.end < text.size()) {
    std::size_t next = run.end;
    const int digit = DateDigitValue(vok::utf8::DecodeNext(text, next), thaiDigits);
    if (digit < 0) break;
    run.value = run.value * 10 + digit;
    run.end = next;
    ++run.count;
  }
  return run;
}

// Up to most digits of text from byte at on: ASCII ones, the common case,
// a byte at a time under one bound, then any others decoded.
DigitRun ReadDigitRun(std::string_view text, std::size_t at, std::size_t most, bool thaiDigits) {
  DigitRun run{at, 0, 0};
  const std::size_t asciiStop = at + std::min(most, text.size() - at);
  for (unsigned digit = 0;
       run.end < asciiStop && (digit = static_cast<unsigned char>(text[run.end]) - '0') <= 9;
       ++run.end) {
    run.value = run.value * 10 + static_cast<int>(digit);
  }
  run.count = static_cast<unsigned>(run.end - at);
  if (run.end < asciiStop && static_cast<unsigned char>(text[run.end]) >= 0x80) {
    return ReadOtherDigits(text, run, most, thaiDigits);
  }
  return run;
}

// The text is read straight from its UTF-8 bytes, so that reading needs no
// copy; literals are UTF-8 too and match byte for byte, as well-formed
// texts of the same characters do. A field of a few digits may end at
// different places ("1/12" against "dd/mm" or "112" against "ddmm"): the
// reader tries the longest first and backs up when the rest of the text
// then fails. Backing up can only help where what follows the field may
// begin with a digit (digitMayFollow); elsewhere a shorter field would
// leave a digit where the layout goes on with another character, or ends.
// Only fields recurse, so the depth stays at three whatever the length of
// text or layout.
class Reader {
 public:
  Reader(std::string_view text, const DateLayoutShape& layout, bool thaiDigits)
      : _text(text),
        _pieces(layout.pieces.data()),
        _pieceCount(layout.pieces.size()),
        _thaiDigits(thaiDigits) {}

  bool Match(std::size_t piece, std::size_t at) {
    // Locals, not members, in the loop: a store of a field's place could
    // otherwise be taken for a change of them, and each loaded again.
    const std::string_view text = _text;
    const LayoutPiece* const end = _pieces + _pieceCount;
    for (const LayoutPiece* current = _pieces + piece; current != end; ++current) {
      if (!current->isField) {
        if (!MatchLiteral(text, current->literal, at)) return false;
        continue;
      }
      const DigitRun run = ReadDigitRun(text, at, current->mostDigits, _thaiDigits);
      if (run.count < current->leastDigits) return false;
      if (current->digitMayFollow)
        return BackUp(static_cast<std::size_t>(current - _pieces), at, run.count);
      Record(current->field, at, run);
      at = run.end;
    }
    return at == text.size();
  }

  // Of each field: its value and where its digits stand.
  std::array<int, 3> values{};
  std::array<std::size_t, 3> starts{};
  std::array<std::size_t, 3> ends{};

 private:
  // The field of piece starts at at and takes up to most digits: the rest
  // is matched after the longest run of them that lets it.
  bool BackUp(std::size_t piece, std::size_t at, std::size_t most) {
    const LayoutPiece& field = _pieces[piece];
    for (std::size_t n = most; n >= field.leastDigits; --n) {
      const DigitRun shorter = ReadDigitRun(_text, at, n, _thaiDigits);
      Record(field.field, at, shorter);
      if (Match(piece + 1, shorter.end)) return true;
    }
    return false;
  }

  void Record(DateField field, std::size_t at, DigitRun run) {
    const std::size_t index = DateLayoutShape::Index(field);
    values[index] = run.value;
    starts[index] = at;
    ends[index] = run.end;
  }

  static bool MatchLiteral(std::string_view text, std::string_view literal, std::size_t& at) {
    if (text.size() - at < literal.size()) return false;
    for (const char byte : literal) {
      if (text[at++] != byte) return false;
    }
    return true;
  }

  std::string_view _text;
  const LayoutPiece* _pieces;
  std::size_t _pieceCount;
  bool _thaiDigits;
};

int FullYear(int year, int width) {
  if (width >= 3) return year;
  return year >= 70 ? 1900 + year : 2000 + year;
}

}  // namespace

bool ReadDateFields(std::string_view text, const DateLayoutShape& layout, bool thaiDigits,
                    DateFields& fields, TextSpan* yearDigits) {
  if (!layout.IsReadable()) return false;
  Reader reader(text, layout, thaiDigits);
  if (!reader.Match(0, 0)) return false;
  const std::size_t year = DateLayoutShape::Index(DateField::Year);
  if (yearDigits != nullptr) *yearDigits = TextSpan{reader.starts[year], reader.ends[year]};
  fields.year = FullYear(reader.values[year], layout.width[year]);
  fields.month = reader.values[DateLayoutShape::Index(DateField::Month)];
  fields.day = reader.values[DateLayoutShape::Index(DateField::Day)];
  return true;
}

bool ReadDate(std::string_view text, const DateLayoutShape& layout, bool thaiDigits,
              std::int64_t& midnight) {
  DateFields fields;
  return ReadDateFields(text, layout, thaiDigits, fields) &&
         MidnightOf(fields.year, fields.month, fields.day, midnight);
}

}  // namespace vok::services
