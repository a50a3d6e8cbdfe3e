// File: VOKDlgCombo.cpp
#include "dialog_toolkit/VOKDlgCombo.h"

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

void VOKDlgCombo::SetSelect(int index, int /*flag*/) {
  if (index < 0 || index >= GetLineCount()) return;
  _selected = index;
  _field = _lines[index];
}
