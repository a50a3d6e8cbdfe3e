// File: VOKDlgCombo.cpp
#include "dialog_toolkit/VOKDlgCombo.h"

#include <unicode/unistr.h>

namespace {

icu::UnicodeString folded(const VOKUnicodeString& text) {
  return icu::UnicodeString::fromUTF8(text.ToUtf8()).foldCase();
}

}  // namespace

VOKDlgCombo::VOKDlgCombo(VOKDialog* parent, const VOKString& name, std::uint64_t style)
    : VOKDialog(parent, name, style) {}

VOKDlgCombo::~VOKDlgCombo() = default;

const char* VOKDlgCombo::IsA() const { return "VOKDlgCombo"; }

void VOKDlgCombo::SetLine(const VOKUnicodeString& text, int index, int /*flags*/) {
  const int count = GetLineCount();
  const int at = (index < 0 || index > count) ? count : index;
  _lines.insert(_lines.begin() + at, text);
  // The selection follows its line.
  if (_selected >= at) ++_selected;
}

VOKUnicodeString VOKDlgCombo::GetLine(int index) const {
  if (index < 0 || index >= GetLineCount()) return VOKUnicodeString();
  return _lines[index];
}

void VOKDlgCombo::ClearLines() {
  _lines.clear();
  _selected = -1;
}

int VOKDlgCombo::FindLine(const VOKUnicodeString& text) const {
  const icu::UnicodeString wanted = folded(text);
  for (int line = 0; line < GetLineCount(); ++line) {
    if (folded(_lines[line]) == wanted) return line;
  }
  return -1;
}

int VOKDlgCombo::FindLineStartingWith(const VOKUnicodeString& prefix) const {
  const icu::UnicodeString wanted = folded(prefix);
  for (int line = 0; line < GetLineCount(); ++line) {
    if (folded(_lines[line]).startsWith(wanted)) return line;
  }
  return -1;
}

void VOKDlgCombo::SetSelect(int index, int /*flag*/) {
  if (index < 0 || index >= GetLineCount()) return;
  _selected = index;
  _field = _lines[index];
}
