// File: DateLayoutShape.h
// A date layout split into its placeholders and the literal text between
// them, e.g. "dd.mm.yyyy" into day, ".", month, ".", year.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base_runtime/DatePlaceholders.h"

namespace vok {

enum class DateField { Day = 0, Month = 1, Year = 2 };

struct LayoutPiece {
  bool isField = false;
  DateField field = DateField::Day;  // for a placeholder
  int width = 0;                     // placeholder length in characters
  // For a placeholder, the digits a date text writes it with: 1 up to its
  // width (at most 9, which no day, month or year needs more of); a year
  // placeholder of 3 or more characters exactly 4, of 1 or 2 exactly 2.
  std::size_t leastDigits = 0;
  std::size_t mostDigits = 0;
  // For a placeholder: whether what follows it may begin with a digit (a
  // placeholder, or a literal that begins with an ASCII digit or any
  // character beyond ASCII), so that where its digits end is not settled
  // by the first character that is none.
  bool digitMayFollow = false;
  std::string literal;  // for literal text, never empty; UTF-8
};

struct DateLayoutShape {
  std::vector<LayoutPiece> pieces;
  // Character position of each field's first placeholder, -1 when absent.
  std::array<int, 3> position{-1, -1, -1};
  std::array<int, 3> occurrences{0, 0, 0};
  std::array<int, 3> width{0, 0, 0};

  // A layout a date can be read with: day, month and year exactly once.
  // Inline: asked at every date read.
  bool IsReadable() const {
    return occurrences[0] == 1 && occurrences[1] == 1 && occurrences[2] == 1;
  }
  // 1-based rank of the field among the fields present, 0 when absent.
  int OrderOf(DateField field) const;

  static std::size_t Index(DateField field) { return static_cast<std::size_t>(field); }
};

// layout must already be stripped of its decoration. Where two placeholders
// start at the same character, the longer one is taken.
DateLayoutShape SplitLayout(std::u32string_view layout, const DatePlaceholders& placeholders);

}  // namespace vok
