// File: DateTextReader.cpp
#include "services/DateTextReader.h"

#include <algorithm>
#include <array>

#include "services/DateText.h"

namespace vok::services {
namespace {

// More digits than this cannot make a day, month or year, and would
// overflow the value.
constexpr std::size_t kMaxFieldDigits = 9;

// Pattern bytes 0 to 2 stand for a digit of the day, month or year.
constexpr char kLastFieldMark = 2;

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

// A field of a few digits may end at different places ("1/12" against
// "dd/mm" or "112" against "ddmm"); the reader tries the longest first and
// backs up when the rest of the text then fails. Only fields recurse, so
// the depth stays at three whatever the length of text or layout.
class Reader {
 public:
  Reader(std::u32string_view text, const DateLayoutShape& layout) : _text(text), _pieces(layout.pieces) {}

  bool Match(std::size_t piece, std::size_t at) {
    for (; piece < _pieces.size() && !_pieces[piece].isField; ++piece) {
      const std::u32string& literal = _pieces[piece].literal;
      if (_text.substr(at, literal.size()) != literal) return false;
      at += literal.size();
    }
    if (piece == _pieces.size()) return at == _text.size();
    return MatchField(piece, at);
  }

  std::array<int, 3> values{};

 private:
  bool MatchField(std::size_t piece, std::size_t at) {
    const LayoutPiece& field = _pieces[piece];
    const DigitCount digits = DigitsFor(field);
    const std::size_t available = DigitRunAt(at, digits.most);
    for (std::size_t n = available; n >= digits.least; --n) {
      values[DateLayoutShape::Index(field.field)] = DigitsValue(_text.substr(at, n));
      if (Match(piece + 1, at + n)) return true;
    }
    return false;
  }

  std::size_t DigitRunAt(std::size_t at, std::size_t most) const {
    std::size_t n = 0;
    while (n < most && at + n < _text.size() && IsAsciiDigit(_text[at + n])) ++n;
    return n;
  }

  std::u32string_view _text;
  const std::vector<LayoutPiece>& _pieces;
};

int FullYear(int year, int width) {
  if (width >= 3) return year;
  return year >= 70 ? 1900 + year : 2000 + year;
}

}  // namespace

std::optional<DateFields> ReadDateFields(std::u32string_view text, const DateLayoutShape& layout) {
  if (!layout.IsReadable()) return std::nullopt;
  Reader reader(text, layout);
  if (!reader.Match(0, 0)) return std::nullopt;
  const auto valueOf = [&](DateField f) { return reader.values[DateLayoutShape::Index(f)]; };
  return DateFields{FullYear(valueOf(DateField::Year), layout.width[DateLayoutShape::Index(DateField::Year)]),
                    valueOf(DateField::Month), valueOf(DateField::Day)};
}

std::string FullWidthPattern(const DateLayoutShape& layout) {
  if (!layout.IsReadable()) return {};
  std::string pattern;
  for (const LayoutPiece& piece : layout.pieces) {
    if (piece.isField) {
      pattern.append(DigitsFor(piece).most, static_cast<char>(DateLayoutShape::Index(piece.field)));
      continue;
    }
    for (char32_t c : piece.literal) {
      if (c <= static_cast<char32_t>(kLastFieldMark) || c >= 0x80) return {};
      pattern.push_back(static_cast<char>(c));
    }
  }
  return pattern;
}

// The reader's first try takes the most digits every field can have; a
// text that has them all, with the literals in between, is read by that
// try, and so here in one pass.
std::optional<DateFields> ReadFullWidth(std::string_view text, std::string_view pattern,
                                        const DateLayoutShape& layout) {
  if (pattern.empty() || text.size() != pattern.size()) return std::nullopt;
  std::array<int, 3> values{};
  const char* mark = pattern.data();
  for (const char c : text) {
    if (*mark > kLastFieldMark) {
      if (c != *mark++) return std::nullopt;
      continue;
    }
    const int digit = c - '0';
    if (digit < 0 || digit > 9) return std::nullopt;
    int& value = values[static_cast<std::size_t>(*mark++)];
    value = value * 10 + digit;
  }
  const std::size_t year = DateLayoutShape::Index(DateField::Year);
  return DateFields{FullYear(values[year], layout.width[year]),
                    values[DateLayoutShape::Index(DateField::Month)],
                    values[DateLayoutShape::Index(DateField::Day)]};
}

}  // namespace vok::services
