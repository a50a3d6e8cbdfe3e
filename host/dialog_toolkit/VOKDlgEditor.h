// File: VOKDlgEditor.h
// A one-line text editor.
#pragma once

#include "dialog_toolkit/VOKDialog.h"

/// A one-line text editor.
class VOK_HOST_API VOKDlgEditor : public VOKDialog {
 public:
  /// A widget named name under parent (null: a root) with the style bits of
  /// VOKDlgStyle.
  VOKDlgEditor(VOKDialog* parent, const VOKString& name, std::uint64_t style);
  ~VOKDlgEditor() override;

  VOK_DECLARE_ALLOCATOR(VOKDlgEditor)
  const char* IsA() const override;

  /// flag is kept but has no effect here; setting text sends nothing.
  void SetText(const VOKUnicodeString& text, int flag);
  /// The editor's text.
  VOKUnicodeString GetText() const { return _text; }

  /// Sent when the person types, and by the date frames after a calendar closes.
  VOKNotification* GetEditModifyNotification() { return &_modifyNotification; }

 private:
  VOKUnicodeString _text;
  VOKNotification _modifyNotification{"VOKDlgEditModifyNotification"};
};
