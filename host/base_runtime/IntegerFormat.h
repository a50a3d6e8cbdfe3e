// File: IntegerFormat.h
// printf and scanf formats restricted to what is safe with one int: literal
// text, "%%" and exactly one integer conversion (d, i, u, x, X, o) without
// length modifier. Anything else is refused rather than handed to the C
// library, so no format text can cause undefined behaviour.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vok {

// The text printf would write for value, or nullopt for a refused format.
// u, x, X and o write the value's unsigned int form, as printf does.
std::optional<std::string> FormatInteger(int value, const char* format);

// The int sscanf would read from text, or nullopt when the format is refused,
// the text does not match up to the conversion, holds no digits there, or
// the number lies outside the int range.
std::optional<int> ScanInteger(std::string_view text, const char* format);

namespace format_detail {

bool IsIntegerConversion(char c);
// Reads a decimal field of at most three digits ([0, 999]); pos moves past
// it. False when a fourth digit follows.
bool ReadSmallNumber(std::string_view format, std::size_t& pos, int& number);

}  // namespace format_detail
}  // namespace vok
