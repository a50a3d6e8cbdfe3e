// File: DateTextReader.cpp
#include "services/DateTextReader.h"

#include <algorithm>
#include <array>

#include "base_runtime/Utf8Text.h"
#include "services/DateDigits.h"

namespace vok::services {
namespace {

// More digits than this cannot make a day, month or year, and would
// overflow the value.
constexpr std::size_t kMaxFieldDigits = 9;

struct DigitCount {
  std::size_t least;
  std::size_t most;
};

DigitCount DigitsFor(const LayoutPiece& field) {
  if (field.field != DateField::Year) {
    return {1, std::min<std::size_t>(static_cast<std::size_t>(field.width), kMaxFieldDigits)};
  }
  const std::size_t exact = field.width >= 3 ? 4 : 2;
  return {exact, exact};
}

// Digits read at the start of a field: how many, the value they make and
// where the text goes on after them.
struct DigitRun {
  std::size_t count = 0;
  int value = 0;
  std::size_t end = 0;
};

// The text is read character by character straight from its UTF-8 bytes,
// so that reading needs no copy. A field of a few digits may end at
// different places ("1/12" against "dd/mm" or "112" against "ddmm"): the
// reader tries the longest first and backs up when the rest of the text
// then fails. Backing up can only help where what follows the field may
// begin with a digit; elsewhere a shorter field would leave a digit where
// the layout goes on with another character, or ends. Only fields recurse,
// so the depth stays at three whatever the length of text or layout.
class Reader {
 public:
  Reader(std::string_view text, const DateLayoutShape& layout, bool thaiDigits)
      : _text(text),
        _pieces(layout.pieces.data()),
        _pieceCount(layout.pieces.size()),
        _thaiDigits(thaiDigits) {}

  bool Match(std::size_t piece, std::size_t at) {
    for (; piece < _pieceCount; ++piece) {
      const LayoutPiece& current = _pieces[piece];
      if (!current.isField) {
        if (!MatchLiteral(current.literal, at)) return false;
        continue;
      }
      const DigitCount digits = DigitsFor(current);
      const DigitRun run = ReadDigits(at, digits.most);
      if (run.count < digits.least) return false;
      const std::size_t index = DateLayoutShape::Index(current.field);
      starts[index] = at;
      if (!NextMayStartWithDigit(piece)) {
        values[index] = run.value;
        at = ends[index] = run.end;
        continue;
      }
      for (std::size_t n = run.count; n >= digits.least; --n) {
        const DigitRun shorter = ReadDigits(at, n);
        values[index] = shorter.value;
        ends[index] = shorter.end;
        if (Match(piece + 1, shorter.end)) return true;
      }
      return false;
    }
    return at == _text.size();
  }

  // Of each field: its value and where its digits stand.
  std::array<int, 3> values{};
  std::array<std::size_t, 3> starts{};
  std::array<std::size_t, 3> ends{};

 private:
  bool MatchLiteral(std::u32string_view literal, std::size_t& at) const {
    for (const char32_t c : literal) {
      if (at == _text.size() || vok::utf8::DecodeNext(_text, at) != c) return false;
    }
    return true;
  }

  DigitRun ReadDigits(std::size_t at, std::size_t most) const {
    DigitRun run{0, 0, at};
    while (run.count < most && run.end < _text.size()) {
      std::size_t next = run.end;
      const int digit = DateDigitValue(vok::utf8::DecodeNext(_text, next), _thaiDigits);
      if (digit < 0) break;
      run.value = run.value * 10 + digit;
      run.end = next;
      ++run.count;
    }
    return run;
  }

  bool NextMayStartWithDigit(std::size_t piece) const {
    if (piece + 1 == _pieceCount) return false;
    const LayoutPiece& next = _pieces[piece + 1];
    return next.isField || DateDigitValue(next.literal.front(), _thaiDigits) >= 0;
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

}  // namespace vok::services
