// File: VOKDlgNumberFormat.cpp
#include "dialog_toolkit/VOKDlgNumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr int kMaxField = 64;

// Reads up to three digits; false when the number exceeds kMaxField.
bool skipField(std::string_view text, std::size_t& at) {
  int value = 0;
  while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
    value = value * 10 + (text[at] - '0');
    if (value > kMaxField) return false;
    ++at;
  }
  return true;
}

void skipLength(std::string_view text, std::size_t& at) {
  while (at < text.size() && std::strchr("hljztL", text[at]) != nullptr) ++at;
}

// Parses the conversion starting at text[at] == '%'; appends its rebuilt
// form to out and moves at past it. False when it is no numeric one.
bool parseConversion(std::string_view text, std::size_t& at, VOKDlgNumberFormat& out) {
  const std::size_t start = at++;
  while (at < text.size() && std::strchr("-+ #0", text[at]) != nullptr) ++at;
  if (!skipField(text, at)) return false;
  if (at < text.size() && text[at] == '.') {
    ++at;
    if (!skipField(text, at)) return false;
  }
  const std::size_t specEnd = at;
  skipLength(text, at);
  if (at >= text.size()) return false;
  const char conversion = text[at++];
  out.integral = std::strchr("diouxX", conversion) != nullptr;
  out.isUnsigned = std::strchr("ouxX", conversion) != nullptr;
  if (!out.integral && std::strchr("fFeEgGaA", conversion) == nullptr) return false;
  out.format.append(text.substr(start, specEnd - start));
  if (out.integral) out.format.append("ll");
  out.format.push_back(conversion);
  return true;
}

long long roundedForFormat(double value) {
  constexpr double kLimit = 1e18;  // well inside long long
  if (std::isnan(value)) return 0;
  return std::llround(std::fmax(-kLimit, std::fmin(kLimit, value)));
}

}  // namespace

std::optional<VOKDlgNumberFormat> VOKDlgParseNumberFormat(const char* format) {
  if (format == nullptr) return std::nullopt;
  const std::string_view text(format);
  VOKDlgNumberFormat parsed;
  int conversions = 0;
  for (std::size_t at = 0; at < text.size();) {
    if (text[at] != '%') {
      parsed.format.push_back(text[at++]);
    } else if (at + 1 < text.size() && text[at + 1] == '%') {
      parsed.format.append("%%");
      at += 2;
    } else if (++conversions > 1 || !parseConversion(text, at, parsed)) {
      return std::nullopt;
    }
  }
  if (conversions != 1) return std::nullopt;
  return parsed;
}

std::string VOKDlgFormatNumber(const VOKDlgNumberFormat& format, double value) {
  const char* pattern = format.format.c_str();
  const long long whole = roundedForFormat(value);
  auto write = [&](char* buffer, std::size_t size) {
    if (format.isUnsigned) {
      return std::snprintf(buffer, size, pattern, static_cast<unsigned long long>(whole));
    }
    return format.integral ? std::snprintf(buffer, size, pattern, whole)
                           : std::snprintf(buffer, size, pattern, value);
  };
  const int length = write(nullptr, 0);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length), '\0');
  write(text.data(), text.size() + 1);
  return text;
}
