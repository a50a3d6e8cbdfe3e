// File: VOKDlgSpinner.cpp
#include "dialog_toolkit/VOKDlgSpinner.h"

#include "base_runtime/NumberFormat.h"

VOKDlgSpinner::VOKDlgSpinner(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDialog(parent, name, style) {}

VOKDlgSpinner::~VOKDlgSpinner() = default;

const char* VOKDlgSpinner::IsA() const { return "VOKDlgSpinner"; }

void VOKDlgSpinner::SetRange(float minimum, float maximum, float steps, int /*flag*/) {
  _minimum = minimum;
  _maximum = maximum;
  _steps = steps;
}

namespace {

std::optional<vok::PrintFormat> CheckedFormat(const char* format) {
  if (format == nullptr) return std::nullopt;
  return vok::PrintFormat::Check(format, vok::PrintFormat::Numbers::IntegersAndFloating);
}

}  // namespace

void VOKDlgSpinner::SetFormat(const char* format) {
  if (CheckedFormat(format)) _format = format;
}

void VOKDlgSpinner::SetVisibleTextWidth(int characters) { _textWidth = characters; }

void VOKDlgSpinner::SetCurrentValue(float value, int /*flag*/) {
  // The stored format was checked when it was set.
  if (const auto format = CheckedFormat(_format.c_str())) {
    _text = VOKUnicodeString(format->Write(static_cast<double>(value)));
  }
}

void VOKDlgSpinner::SetCurrentText(const VOKUnicodeString& text, int /*flag*/) { _text = text; }
