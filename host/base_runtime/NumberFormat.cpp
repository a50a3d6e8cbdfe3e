// File: NumberFormat.cpp
// Checking formats and writing numbers with printf.
#include "base_runtime/NumberFormat.h"

#include <cmath>
#include <cstdio>

#include "base_runtime/NumberFormatConversion.h"

namespace vok {
namespace {

using number_format::Conversion;

bool IsFloating(char c) { return std::string_view("fFeEgGaA").find(c) != std::string_view::npos; }
bool IsUnsignedInteger(char c) { return std::string_view("uoxX").find(c) != std::string_view::npos; }

// printf defines "#" for o, x, X and the floating conversions only.
bool AlternateFormDefined(char c) { return c == 'o' || c == 'x' || c == 'X' || IsFloating(c); }

bool Allowed(const Conversion& conversion, PrintFormat::Numbers numbers) {
  if (number_format::IsInteger(conversion.letter)) return true;
  return numbers == PrintFormat::Numbers::IntegersAndFloating && IsFloating(conversion.letter);
}

long long Rounded(double value) {
  constexpr double kLimit = 1e18;  // well inside long long
  if (std::isnan(value)) return 0;
  return std::llround(std::fmax(-kLimit, std::fmin(kLimit, value)));
}

// Nearly every text fits the buffer and is written once; a longer one is
// written again at its length.
template <class Value>
std::string Printed(const char* format, Value value) {
  char buffer[128];
  const int length = std::snprintf(buffer, sizeof buffer, format, value);
  if (length <= 0) return {};
  if (static_cast<std::size_t>(length) < sizeof buffer) return std::string(buffer, static_cast<std::size_t>(length));
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, format, value);
  return text;
}

}  // namespace

std::optional<PrintFormat> PrintFormat::Check(std::string_view format, Numbers numbers) {
  const std::optional<Conversion> conversion = number_format::SingleConversion(format);
  if (!conversion || !Allowed(*conversion, numbers)) return std::nullopt;
  if (conversion->flags.find('#') != std::string_view::npos && !AlternateFormDefined(conversion->letter)) {
    return std::nullopt;
  }
  PrintFormat checked;
  checked._conversion = conversion->letter;
  checked._format.append(format.substr(0, conversion->letterAt));
  if (number_format::IsInteger(conversion->letter)) checked._format.append("ll");
  checked._format.append(format.substr(conversion->letterAt));
  return checked;
}

std::string PrintFormat::Write(int value) const {
  if (IsUnsignedInteger(_conversion)) return Write(static_cast<long long>(static_cast<unsigned>(value)));
  if (IsFloating(_conversion)) return Write(static_cast<double>(value));
  return Write(static_cast<long long>(value));
}

std::string PrintFormat::Write(double value) const {
  if (IsFloating(_conversion)) return Printed(_format.c_str(), value);
  return Write(Rounded(value));
}

std::string PrintFormat::Write(long long value) const {
  if (IsUnsignedInteger(_conversion)) return Printed(_format.c_str(), static_cast<unsigned long long>(value));
  return Printed(_format.c_str(), value);
}

}  // namespace vok
