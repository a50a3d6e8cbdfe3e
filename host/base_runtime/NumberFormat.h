// File: NumberFormat.h
// The host's one unit for printf and scanf formats: a format is checked
// completely before any number is written or read with it, so no format
// text can cause undefined behaviour. A checked format holds literal text,
// "%%" and exactly one numeric conversion: for printf the flags "-+ #0"
// ("#" only where printf defines it: o, x, X and the floating ones), a
// width and a precision of at most 64, no "*" and no length modifier; for
// scanf only a width of at most 64. Integer conversions are d, i, u, o, x
// and X; printf formats may allow f, F, e, E, g, G, a and A as well.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vok {

// A checked printf format; it refers to the text it was checked from, which
// must outlive it.
class PrintFormat {
 public:
  enum class Numbers { Integers, IntegersAndFloating };

  // nullopt for a format of any other kind.
  static std::optional<PrintFormat> Check(std::string_view format, Numbers numbers);

  // The text printf would write for an int argument (u, o, x and X write
  // its unsigned int form) or a double argument (integer conversions write
  // it rounded, within +-1e18).
  std::string Write(int value) const;
  std::string Write(double value) const;

 private:
  std::string WriteInteger(bool negative, unsigned long long magnitude) const;
  std::string WriteFloating(double value) const;
  void AppendInteger(bool negative, unsigned long long magnitude, std::string& out) const;

  std::string_view _before;  // the literal text around the conversion, "%%" still doubled
  std::string_view _after;
  std::string_view _conversion;  // e.g. "%-8.2f"
  bool _left = false;            // flag "-"
  bool _plus = false;            // flag "+"
  bool _blank = false;           // flag " "
  bool _alternate = false;       // flag "#"
  bool _zeros = false;           // flag "0"
  int _width = 0;
  int _precision = -1;  // -1: none
  char _letter = 'd';
};

// The int sscanf would read from text with format: blanks in the format
// and before the number skipped, characters after it ignored ("2020x" reads
// 2020). nullopt when the format is refused, the text does not match up to
// the conversion, holds no digits there, or the number lies outside the
// int range.
std::optional<int> ScanInteger(std::string_view text, std::string_view format);

}  // namespace vok
