// File: VOKUnicodeStringNumbers.cpp
#include "base_runtime/NumberFormat.h"
#include "base_runtime/VOKUnicodeString.h"

int VOKUnicodeString::BuildFromNum(int value, const char* format) {
  if (!format) return 0;
  const std::optional<vok::PrintFormat> checked =
      vok::PrintFormat::Check(format, vok::PrintFormat::Numbers::Integers);
  if (!checked) return 0;
  // Literal text of the format may need sanitising.
  Assign(checked->Write(value));
  return 1;
}

int VOKUnicodeString::ConvertToNum(int* value, const char* format) const {
  if (!value || !format) return 0;
  const std::optional<int> number = vok::ScanInteger(_utf8, format);
  if (!number) return 0;
  *value = *number;
  return 1;
}
