// File: VOKDlgCombo.h
// A combo: a list of lines, a selected line (0-based, -1 none) and an edit
// field. With the Editable style bit the user may type into the field;
// what typed text does depends on FreeText (VOKDlgStyle.h).
#pragma once

#include <vector>

#include "dialog_toolkit/VOKDialog.h"

class VOK_HOST_API VOKDlgCombo : public VOKDialog {
 public:
  VOKDlgCombo(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  ~VOKDlgCombo() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgCombo)
  const char* IsA() const override;

  /// index -1 appends; otherwise the line is inserted before index (clipped
  /// to the end). flags is kept but has no effect here.
  void SetLine(const VOKUnicodeString& text, int index, int flags);
  int GetLineCount() const { return static_cast<int>(_lines.size()); }
  /// The text of a line, empty when out of range.
  VOKUnicodeString GetLine(int index) const;
  void ClearLines();
  /// The first line that reads as text, or that starts with prefix, when
  /// case is ignored; -1 when there is none.
  int FindLine(const VOKUnicodeString& text) const;
  int FindLineStartingWith(const VOKUnicodeString& prefix) const;

  /// Selects a line (out of range: ignored) and shows it in the field;
  /// flag is kept but has no effect here.
  void SetSelect(int index, int flag);
  int GetSelect() const { return _selected; }

  void GetField(VOKUnicodeString& text) const { text = _field; }
  void SetField(const VOKUnicodeString& text) { _field = text; }

  VOKNotification* GetComboSelectNotification() { return &_selectNotification; }
  VOKNotification* GetComboModifyNotification() { return &_modifyNotification; }

 private:
  std::vector<VOKUnicodeString> _lines;
  int _selected = -1;
  VOKUnicodeString _field;
  VOKNotification _selectNotification{"VOKDlgComboSelectNotification"};
  VOKNotification _modifyNotification{"VOKDlgComboModifyNotification"};
};
