// File: DateTextReader.cpp
#include "services/DateTextReader.h"

#include <algorithm>
#include <array>

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

// The text is read straight from its UTF-8 bytes, so that reading needs no
// copy; literals are UTF-8 too and match byte for byte, as well-formed
// texts of the same characters do. A field of a few digits may end at
// different places ("1/12" against "dd/mm" or "112" against "ddmm"): the
// reader tries the longest first and backs up when the rest of the text
// then fails. Backing up can only help where what follows the field may
// begin with a digit; elsewhere a shorter field would leave a digit where
// the layout goes on with another character, or ends. Only fields recurse,
// so the depth stays at three whatever the length of text or layout.
class Reader {
 public:
  Reader(std::string_view text, const DateLayoutShape& layout, bool thaiDigits)
      : _text(text), _pieces(layout.pieces.data()), _pieceCount(layout.pieces.size()), _thaiDigits(thaiDigits) {}

  bool Match(std::size_t piece, std::size_t at) {
    // Locals, not members, in the loop: a store of a field's place could
    // otherwise be taken for a change of them, and each loaded again.
    const std::string_view text = _text;
    const LayoutPiece* const pieces = _pieces;
    const std::size_t pieceCount = _pieceCount;
    for (; piece < pieceCount; ++piece) {
      const LayoutPiece& current = pieces[piece];
      if (!current.isField) {
        if (!MatchLiteral(text, current.literal, at)) return false;
        continue;
      }
      const DigitCount digits = DigitsFor(current);
      const DigitRun run = ReadDigitRun(text, at, digits.most, _thaiDigits);
      if (run.count < digits.least) return false;
      if (piece + 1 < pieceCount && MayStartWithDigit(pieces[piece + 1])) return BackUp(piece, at, run.count);
      Record(current.field, at, run);
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
    for (std::size_t n = most; n >= DigitsFor(field).least; --n) {
      const DigitRun shorter = ReadDigitRun(_text, at, n, _thaiDigits);
      Record(field.field, at, shorter);
      if (Match(piece + 1, shorter.end)) return true;
    }
    return false;
  }

  void Record(DateField field, std::size_t at, const DigitRun& run) {
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

  // A literal that begins with any character beyond ASCII is taken to
  // begin with a digit: backing up where it cannot help costs time, never
  // the answer.
  static bool MayStartWithDigit(const LayoutPiece& piece) {
    if (piece.isField) return true;
    const auto first = static_cast<unsigned char>(piece.literal.front());
    return first >= 0x80 || (first >= '0' && first <= '9');
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

bool ReadDateFields(std::string_view text, const DateLayoutShape& layout, bool thaiDigits, DateFields& fields,
                    TextSpan* yearDigits) {
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
