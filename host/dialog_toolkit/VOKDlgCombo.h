// File: VOKDlgCombo.h
// A combo: a list of lines, a selected line (0-based, -1 none) and an edit
// field. With the Editable style bit the user may type into the field;
// what typed text does depends on FreeText (VOKDlgStyle.h).
#pragma once

#include <vector>

#include "dialog_toolkit/VOKDialog.h"

/// A combo: a list of lines, the selected line and an edit field. With the
/// Editable and FreeText styles the person may type any text into the field.
class VOK_HOST_API VOKDlgCombo : public VOKDialog {
 public:
  /// A widget named name under parent (null: a root) with the style bits of
  /// VOKDlgStyle.
  VOKDlgCombo(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  ~VOKDlgCombo() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgCombo)
  const char* IsA() const override;

  /// index -1 appends; otherwise the line is inserted before index (clipped
  /// to the end). flags is kept but has no effect here.
  void SetLine(const VOKUnicodeString& text, int index, int flags);
  /// The number of lines.
  int GetLineCount() const { return static_cast<int>(_lines.size()); }
  /// The text of a line, empty when out of range.
  VOKUnicodeString GetLine(int index) const;
  /// Removes every line and the selection; the field stays.
  void ClearLines();
  /// The first line that reads as text, or that starts with prefix, when
  /// case is ignored; -1 when there is none.
  int FindLine(const VOKUnicodeString& text) const;
  /// The first line starting with prefix, case ignored; -1 when none.
  int FindLineStartingWith(const VOKUnicodeString& prefix) const;

  /// Selects a line (out of range: ignored) and shows it in the field;
  /// flag is kept but has no effect here.
  void SetSelect(int index, int flag);
  /// The selected line, or -1.
  int GetSelect() const { return _selected; }

  /// text receives the field's text.
  void GetField(VOKUnicodeString& text) const { text = _field; }
  /// Sets the field's text; sends nothing.
  void SetField(const VOKUnicodeString& text) { _field = text; }

  /// Sent when the person chooses a line.
  VOKNotification* GetComboSelectNotification() { return &_selectNotification; }
  /// Sent when the person types into the field.
  VOKNotification* GetComboModifyNotification() { return &_modifyNotification; }

 private:
  std::vector<VOKUnicodeString> _lines;
  int _selected = -1;
  VOKUnicodeString _field;
  VOKNotification _selectNotification{"VOKDlgComboSelectNotification"};
  VOKNotification _modifyNotification{"VOKDlgComboModifyNotification"};
};
