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

// The text is read character by character straight from its UTF-8 bytes,
// so that reading needs no copy. A field of a few digits may end at
// different places ("1/12" against "dd/mm" or "112" against "ddmm"); the
// reader tries the longest first and backs up when the rest of the text
// then fails. Only fields recurse, so the depth stays at three whatever the
// length of text or layout.
class Reader {
 public:
  Reader(std::string_view text, const DateLayoutShape& layout, bool thaiDigits)
      : _text(text), _pieces(layout.pieces), _thaiDigits(thaiDigits) {}

  bool Match(std::size_t piece, std::size_t at) {
    for (; piece < _pieces.size() && !_pieces[piece].isField; ++piece) {
      if (!MatchLiteral(_pieces[piece].literal, at)) return false;
    }
    if (piece == _pieces.size()) return at == _text.size();
    return MatchField(piece, at);
  }

  std::array<int, 3> values{};

 private:
  bool MatchLiteral(std::u32string_view literal, std::size_t& at) const {
    for (const char32_t c : literal) {
      if (at == _text.size() || vok::utf8::DecodeNext(_text, at) != c) return false;
    }
    return true;
  }

  bool MatchField(std::size_t piece, std::size_t at) {
    const LayoutPiece& field = _pieces[piece];
    const DigitCount digits = DigitsFor(field);
    // After n digits: where the text goes on, and the value they make.
    std::array<std::size_t, kMaxFieldDigits + 1> end{at};
    std::array<int, kMaxFieldDigits + 1> value{0};
    std::size_t n = 0;
    while (n < digits.most && end[n] < _text.size()) {
      std::size_t next = end[n];
      const int digit = DateDigitValue(vok::utf8::DecodeNext(_text, next), _thaiDigits);
      if (digit < 0) break;
      value[n + 1] = value[n] * 10 + digit;
      end[++n] = next;
    }
    for (; n >= digits.least; --n) {
      values[DateLayoutShape::Index(field.field)] = value[n];
      if (Match(piece + 1, end[n])) return true;
    }
    return false;
  }

  std::string_view _text;
  const std::vector<LayoutPiece>& _pieces;
  bool _thaiDigits;
};

int FullYear(int year, int width) {
  if (width >= 3) return year;
  return year >= 70 ? 1900 + year : 2000 + year;
}

}  // namespace

std::optional<DateFields> ReadDateFields(std::string_view text, const DateLayoutShape& layout, bool thaiDigits) {
  if (!layout.IsReadable()) return std::nullopt;
  Reader reader(text, layout, thaiDigits);
  if (!reader.Match(0, 0)) return std::nullopt;
  const auto valueOf = [&](DateField f) { return reader.values[DateLayoutShape::Index(f)]; };
  return DateFields{FullYear(valueOf(DateField::Year), layout.width[DateLayoutShape::Index(DateField::Year)]),
                    valueOf(DateField::Month), valueOf(DateField::Day)};
}

}  // namespace vok::services
