// File: VOKDlgNumberFormat.h
// Internal to the host library. printf formats holding exactly one numeric
// conversion, checked before use so that a value is never written with a
// conversion that does not match it.
#pragma once

#include <optional>
#include <string>

// A checked format: the text around the conversion is kept as given ("%%"
// included); the conversion is rebuilt with a length fitting its argument.
struct VOKDlgNumberFormat {
  std::string format;  // ready for snprintf with a long long or a double
  bool integral = false;
  bool isUnsigned = false;  // o, u, x, X
};

// Null when the format has no numeric conversion, more than one, a "*"
// width or precision, or a width or precision above 64.
std::optional<VOKDlgNumberFormat> VOKDlgParseNumberFormat(const char* format);

// The value written with a checked format (integral ones round it).
std::string VOKDlgFormatNumber(const VOKDlgNumberFormat& format, double value);
